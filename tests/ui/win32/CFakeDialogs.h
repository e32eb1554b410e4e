#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "CDialogs.h"

namespace varnwick::test {

// What the text window showed for one generate command: its two boxes, and the clipboard after
// "Copy".
struct CShownText {
  std::string body;
  std::string declaration;
  std::string clipboard;
};

// The modal windows as a test answers them: queued answers for the file and folder dialogs and
// the question, a record of every message, and the real text window, created modeless, filled,
// copied from and closed.
class CFakeDialogs : public CDialogs {
 public:
  std::optional<std::string> OpenHeaderFile(HWND owner, const std::string& startFolder) override;
  std::optional<std::string> PickFolder(HWND owner, const std::string& title, const std::string& startFolder) override;
  void Message(HWND owner, const std::string& text) override;
  void DetailedMessage(HWND owner, const std::string& summary, const std::string& details) override;
  bool Ask(HWND owner, const std::string& question) override;
  void ShowText(HWND owner, const GeneratedText& text, CWindowSettings& settings) override;
  void ShowLegend(HWND) override { ++legends; }
  void ShowAbout(HWND) override { ++abouts; }
  int PopupMenu(HWND owner, HMENU menu, POINT screenPoint) override;

  std::deque<std::optional<std::string>> headerFiles;
  std::deque<std::optional<std::string>> folders;
  std::vector<std::string> folderTitles;
  bool answer = false;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  std::vector<CShownText> texts;
  int legends = 0;
  int abouts = 0;
  // The popup menu: where it opened, its entries' texts, and the command the test chooses.
  std::optional<POINT> popupPoint;
  std::vector<std::string> popupEntries;
  std::vector<UINT> popupStates;
  int popupChoice = 0;
};

// The clipboard's CF_TEXT, exactly as its bytes stand.
std::string ClipboardText();
// Handles every message waiting for this thread's windows.
void PumpMessages();

}  // namespace varnwick::test
