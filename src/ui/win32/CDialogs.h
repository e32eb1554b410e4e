#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "Generator.h"

namespace varnwick {

class CWindowSettings;

// Everything the main window shows modally goes through here, so that tests can drive the real
// window without entering modal loops; the program uses these real implementations.
class CDialogs {
 public:
  virtual ~CDialogs() = default;

  // The file-open dialog for one header, opening in `startFolder` unless it is empty; nothing when
  // the user cancels.
  virtual std::optional<std::string> OpenHeaderFile(HWND owner, const std::string& startFolder);
  // The folder browser with a title, showing `startFolder` unless it is empty; nothing when the
  // user cancels.
  virtual std::optional<std::string> PickFolder(HWND owner, const std::string& title, const std::string& startFolder);
  // A message box with one "OK" button.
  virtual void Message(HWND owner, const std::string& text);
  // A message over a list that scrolls in a box of its own.
  virtual void DetailedMessage(HWND owner, const std::string& summary, const std::string& details);
  // "Yes" and "No", "No" the default; true for "Yes".
  virtual bool Ask(HWND owner, const std::string& question);
  // The text window for one generated text, run modally, at the size `settings` keep for it.
  virtual void ShowText(HWND owner, const GeneratedText& text, CWindowSettings& settings);
  virtual void ShowLegend(HWND owner);
  virtual void ShowAbout(HWND owner);
  // Runs a popup menu with its left edge and top at a screen point; the chosen command, or 0.
  virtual int PopupMenu(HWND owner, HMENU menu, POINT screenPoint);
};

}  // namespace varnwick
