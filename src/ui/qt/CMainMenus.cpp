#include "CMainMenus.h"

#include <QMenu>
#include <QMenuBar>

#include "Generator.h"

namespace varnwick {

CMainMenus::CMainMenus(QWidget* window) {
  CreateMenuBar(window);
  CreateContextMenu(window);
}

QAction* CMainMenus::AddCommand(QMenu& menu, const char* text, int commandId) {
  QAction* action = menu.addAction(QString::fromUtf8(text));
  action->setData(commandId);
  return action;
}

void CMainMenus::AddGenerateItems(QMenu& menu) {
  const auto add = [](QMenu& into, GeneratorKind kind) {
    for (const GeneratorInfo& info : AllGenerators())
      if (info.kind == kind) AddCommand(into, std::string(info.menuText).c_str(), info.commandId);
  };
  add(menu, GeneratorKind::Serialize);
  add(menu, GeneratorKind::ModalDialog);
  QMenu* operators = menu.addMenu(QStringLiteral("Operator"));
  for (GeneratorKind kind : {GeneratorKind::Assign, GeneratorKind::Equal, GeneratorKind::Less,
                             GeneratorKind::Greater, GeneratorKind::Store, GeneratorKind::Load})
    add(*operators, kind);
  QMenu* members = menu.addMenu(QStringLiteral("Members"));
  add(*members, GeneratorKind::MembersList);
  add(*members, GeneratorKind::MembersValues);
  QMenu* copy = menu.addMenu(QStringLiteral("Copy Constructor"));
  add(*copy, GeneratorKind::CopyAssign);
  add(*copy, GeneratorKind::CopyMembers);
}

void CMainMenus::CreateMenuBar(QWidget* window) {
  m_menuBar = new QMenuBar(window);
  m_menuBar->setNativeMenuBar(false);
  QMenu* classMenu = m_menuBar->addMenu(QStringLiteral("Class"));
  AddCommand(*classMenu, "Add", kClassAdd)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(*classMenu, "Add Directory", kClassAddDirectory)->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  AddCommand(*classMenu, "Add Directory Tree", kClassAddDirectoryTree);
  AddCommand(*classMenu, "Delete", kClassDelete);
  AddCommand(*classMenu, "Delete All", kClassDeleteAll);
  classMenu->addSeparator();
  AddCommand(*classMenu, "Reload", kClassReload)->setShortcut(QKeySequence(Qt::Key_F5));
  AddGenerateItems(*m_menuBar->addMenu(QStringLiteral("Generate")));
  AddCommand(*m_menuBar->addMenu(QStringLiteral("Settings")), "Check CTypedPtrList", kCheckPtrList);
  AddCommand(*m_menuBar->addMenu(QStringLiteral("About")), "About", kAbout);
}

void CMainMenus::CreateContextMenu(QWidget* window) {
  m_contextMenu = new QMenu(QStringLiteral("_POPUP_"), window);
  AddCommand(*m_contextMenu, "Add Class", kClassAdd);
  AddCommand(*m_contextMenu, "Add Directory", kClassAddDirectory);
  AddCommand(*m_contextMenu, "Add Directory Tree", kClassAddDirectoryTree);
  AddCommand(*m_contextMenu, "Delete Class", kClassDelete);
  AddCommand(*m_contextMenu, "Delete All", kClassDeleteAll);
  m_contextMenu->addSeparator();
  // The heading cannot be chosen, yet reads like the items around it: the menu's inactive
  // colours are its active ones, and no other item of it is ever inactive.
  AddCommand(*m_contextMenu, "---- Generate ----", kGenerateHeading)->setEnabled(false);
  QPalette colours = m_contextMenu->palette();
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    colours.setColor(QPalette::Disabled, role, colours.color(QPalette::Active, role));
  colours.setColor(QPalette::Disabled, QPalette::Light, colours.color(QPalette::Active, QPalette::Window));
  m_contextMenu->setPalette(colours);
  AddGenerateItems(*m_contextMenu);
}

}  // namespace varnwick
