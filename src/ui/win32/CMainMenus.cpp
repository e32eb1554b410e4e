#include "CMainMenus.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnwick {

namespace {

// "Ctrl+Shift+O" or "F5" as an accelerator of `command`; false for a form this table does not
// know.
bool ReadShortcut(std::string_view shortcut, int command, ACCEL& accelerator) {
  accelerator = ACCEL{FVIRTKEY, 0, static_cast<WORD>(command)};
  for (std::size_t plus; (plus = shortcut.find('+')) != std::string_view::npos; shortcut.remove_prefix(plus + 1)) {
    const std::string_view modifier = shortcut.substr(0, plus);
    if (modifier == "Ctrl")
      accelerator.fVirt |= FCONTROL;
    else if (modifier == "Shift")
      accelerator.fVirt |= FSHIFT;
    else if (modifier == "Alt")
      accelerator.fVirt |= FALT;
    else
      return false;
  }
  if (shortcut.size() == 1 && shortcut[0] >= 'A' && shortcut[0] <= 'Z') {
    accelerator.key = static_cast<WORD>(shortcut[0]);
    return true;
  }
  if (shortcut.size() >= 2 && shortcut[0] == 'F') {
    const int number = std::stoi(std::string(shortcut.substr(1)));
    if (number < 1 || number > 24) return false;
    accelerator.key = static_cast<WORD>(VK_F1 + number - 1);
    return true;
  }
  return false;
}

void CollectShortcuts(std::span<const CMenuItem> items, std::vector<ACCEL>& accelerators) {
  for (const CMenuItem& item : items) {
    ACCEL accelerator{};
    if (item.IsSubmenu())
      CollectShortcuts(item.items, accelerators);
    else if (!item.shortcut.empty() && ReadShortcut(item.shortcut, item.commandId, accelerator))
      accelerators.push_back(accelerator);
  }
}

}  // namespace

CMainMenus::CMainMenus() {
  m_hMenuBar = CreateMenu();
  AddItems(m_hMenuBar, MenuBarItems());
  m_hContextMenu = CreatePopupMenu();
  AddItems(m_hContextMenu, ContextMenuItems());
  std::vector<ACCEL> accelerators;
  CollectShortcuts(MenuBarItems(), accelerators);
  m_hAccelerators = CreateAcceleratorTableA(accelerators.data(), static_cast<int>(accelerators.size()));
}

CMainMenus::~CMainMenus() {
  if (m_hMenuBar != nullptr) DestroyMenu(m_hMenuBar);
  DestroyMenu(m_hContextMenu);
  DestroyAcceleratorTable(m_hAccelerators);
}

HMENU CMainMenus::TakeMenuBar() {
  HMENU bar = m_hMenuBar;
  m_hMenuBar = nullptr;
  return bar;
}

// The shortcut stands after a tab, where menus show it right-aligned. The inactive heading cannot
// be chosen yet is drawn as the entries around it: disabled, not greyed.
void CMainMenus::AddItems(HMENU menu, std::span<const CMenuItem> items) {
  for (const CMenuItem& item : items) {
    if (item.IsSeparator()) {
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::string text = MarkedMenuText(item);
    if (item.IsSubmenu()) {
      HMENU submenu = CreatePopupMenu();
      AddItems(submenu, item.items);
      AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
      continue;
    }
    if (!item.shortcut.empty()) text += "\t" + std::string(item.shortcut);
    AppendMenuA(menu, MF_STRING | (item.inactive ? MF_DISABLED : 0), static_cast<UINT_PTR>(item.commandId),
                text.c_str());
  }
}

}  // namespace varnwick
