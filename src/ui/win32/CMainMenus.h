#pragma once

#include <windows.h>

#include <span>

#include "ShellCommands.h"

namespace varnwick {

// The main window's menus and shortcuts, built from the shell's tables: the menu bar, the context
// menu's popup, and the accelerator table of the entries that carry a shortcut.
class CMainMenus {
 public:
  CMainMenus();
  ~CMainMenus();
  CMainMenus(const CMainMenus&) = delete;
  CMainMenus& operator=(const CMainMenus&) = delete;

  // Owned by the window it is set on, once set.
  HMENU TakeMenuBar();
  HMENU ContextMenu() const { return m_hContextMenu; }
  HACCEL Accelerators() const { return m_hAccelerators; }

 private:
  static void AddItems(HMENU menu, std::span<const CMenuItem> items);

  HMENU m_hMenuBar = nullptr;
  HMENU m_hContextMenu = nullptr;
  HACCEL m_hAccelerators = nullptr;
};

}  // namespace varnwick
