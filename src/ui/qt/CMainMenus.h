#pragma once

#include <span>

#include "ShellCommands.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace varnwick {

// The main window's menu bar and context menu, built from the shell's menu tables. Every entry
// carries its command id as its data, and shows its access key underlined. The menu bar is reached
// from the keyboard by Alt alone, F10, or Alt with a menu's key.
class CMainMenus {
 public:
  explicit CMainMenus(QWidget* window);

  // F10: the menu bar takes the keyboard, its first menu open.
  void EnterMenuBar();

  QMenuBar* MenuBar() const { return m_menuBar; }
  QMenu* ContextMenu() const { return m_contextMenu; }

 private:
  static void AddItems(QMenu& menu, std::span<const CMenuItem> items);

  QMenuBar* m_menuBar = nullptr;
  QMenu* m_contextMenu = nullptr;
};

}  // namespace varnwick
