#include "CMainMenus.h"

#include <QMenu>
#include <QMenuBar>

namespace varnwick {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
  for (const CMenuItem& item : MenuBarItems()) AddItems(*m_menuBar->addMenu(Text(item.text)), item.items);
  m_contextMenu = new QMenu(Text(kContextMenuTitle), window);
  AddItems(*m_contextMenu, ContextMenuItems());
}

void CMainMenus::AddItems(QMenu& menu, std::span<const CMenuItem> items) {
  for (const CMenuItem& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
    } else if (item.IsSubmenu()) {
      AddItems(*menu.addMenu(Text(item.text)), item.items);
    } else {
      QAction* action = menu.addAction(Text(item.text));
      action->setData(item.commandId);
      if (!item.shortcut.empty()) action->setShortcut(QKeySequence::fromString(Text(item.shortcut)));
      if (item.inactive) {
        action->setEnabled(false);
        DrawInactiveAsActive(menu);
      }
    }
  }
}

}  // namespace varnwick
