#include "CMainMenus.h"

#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

namespace varnwick {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
QString MarkedText(const CMenuItem& item) { return Text(MarkedMenuText(item)); }

// Alt pressed and let go alone enters the menu bar, as on Windows, whatever the desktop's style
// says; only the menu bar's own style answers so.
class CAltKeyStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

// An inactive entry cannot be chosen, yet reads like the entries around it: the menu's inactive
// colours are its active ones.
void DrawInactiveAsActive(QMenu& menu) {
  QPalette colours = menu.palette();
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
  colours.setColor(QPalette::Disabled, QPalette::Light, colours.color(QPalette::Active, QPalette::Window));
  menu.setPalette(colours);
}

}  // namespace

CMainMenus::CMainMenus(QWidget* window) {
  m_menuBar = new QMenuBar(window);
  m_menuBar->setNativeMenuBar(false);
  auto* style = new CAltKeyStyle;
  style->setParent(m_menuBar);
  m_menuBar->setStyle(style);
  for (const CMenuItem& item : MenuBarItems()) AddItems(*m_menuBar->addMenu(MarkedText(item)), item.items);
  m_contextMenu = new QMenu(Text(kContextMenuTitle), window);
  AddItems(*m_contextMenu, ContextMenuItems());
}

void CMainMenus::AddItems(QMenu& menu, std::span<const CMenuItem> items) {
  for (const CMenuItem& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
    } else if (item.IsSubmenu()) {
      AddItems(*menu.addMenu(MarkedText(item)), item.items);
    } else {
      QAction* action = menu.addAction(MarkedText(item));
      action->setData(item.commandId);
      if (!item.shortcut.empty()) action->setShortcut(QKeySequence::fromString(Text(item.shortcut)));
      if (item.inactive) {
        action->setEnabled(false);
        DrawInactiveAsActive(menu);
      }
    }
  }
}

void CMainMenus::EnterMenuBar() {
  if (!m_menuBar->actions().isEmpty()) m_menuBar->setActiveAction(m_menuBar->actions().first());
}

}  // namespace varnwick
