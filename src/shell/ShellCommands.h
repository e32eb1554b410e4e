#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace varnwick {

// The commands of the main window, by the ids its menus and buttons send. The generate commands
// are the generators' own ids (Generator.h).
enum CommandId : int {
  kCommandQuit = 1,
  kCommandAboutBox = 16,  // the system menu's entry
  kCommandHelp = 1007,    // the "Help" button
  kCommandClassAdd = 32771,
  kCommandClassDelete = 32772,
  kCommandClassDeleteAll = 32773,
  kCommandClassAddDirectory = 32774,
  kCommandGenerateHeading = 32796,
  kCommandCheckPtrList = 32797,
  kCommandAbout = 32798,
  kCommandClassAddDirectoryTree = 32799,
  kCommandClassReload = 32800,
};

// One entry of a menu: a command, a separator (no text), or a submenu (`items` not empty). A
// front end builds its menus from these tables and sends the command ids back to the shell.
struct CMenuItem {
  std::string_view text;
  int commandId = 0;
  std::span<const CMenuItem> items;
  std::string_view shortcut;  // in the portable "Ctrl+Shift+O" form, or empty
  bool inactive = false;      // shown as ordinary text, never chosen
  // Where in `text` the access key stands, the letter shown underlined that chooses the entry
  // from the keyboard; kNoAccessKey when the entry has none (no letter of its own is left).
  std::size_t accessKey = kNoAccessKey;

  static constexpr std::size_t kNoAccessKey = std::string_view::npos;

  bool IsSeparator() const { return text.empty(); }
  bool IsSubmenu() const { return !items.empty(); }
  bool HasAccessKey() const { return accessKey < text.size(); }
};

// The entry's text as Windows and Qt menus take it: "&" before the access key, any "&" of the
// text itself doubled.
std::string MarkedMenuText(const CMenuItem& item);

// The menu bar, one submenu per top-level entry.
std::span<const CMenuItem> MenuBarItems();
// The context menu's popup, "_POPUP_".
std::span<const CMenuItem> ContextMenuItems();
inline constexpr std::string_view kContextMenuTitle = "_POPUP_";

}  // namespace varnwick
