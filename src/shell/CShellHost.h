#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "Generator.h"

namespace varnwick {

// How far a folder read has come, worded for the status line.
struct CReadProgress {
  std::size_t files = 0;
  std::size_t classes = 0;
  std::string text;
};

// The status line at the bottom of the window: what the last command did, in the program's words,
// and the header of the selected class. Either may be empty.
struct CStatusLine {
  std::string message;
  std::string classPath;
};

// Where the keyboard focus belongs once the window shows and after every modal window: never on
// "Quit", where Enter or Space would end the program.
enum class CFocusTarget { kClassList, kFilter };

// What a front end does for the shell: it paints what the shell holds when told to, runs the modal
// windows, and words nothing itself. Every call comes on the user-interface thread.
class CShellHost {
 public:
  virtual ~CShellHost() = default;

  // The class list is refilled from the shell's rows, with its selection.
  virtual void ShowClassList() = 0;
  // During a folder read: one row was inserted at `row`; the other rows and the selection stay.
  virtual void InsertClassRow(std::size_t row) = 0;
  // Only the label of one row changed: another row came to share its name, or stopped sharing it.
  virtual void ShowClassRow(std::size_t row) = 0;
  // Only the selected row of the class list changed.
  // `bringIntoView` false while a folder is read: the selection then moves to each new header's
  // first class, and following it would scroll the list about under the user's eyes.
  virtual void ShowSelection(bool bringIntoView) = 0;
  // The member list and the grid are refilled from the shell's member rows.
  virtual void ShowMembers() = 0;
  // Only the check state of one grid row changed.
  virtual void ShowMemberState(std::size_t gridRow) = 0;
  // The pointer-list setting changed.
  virtual void ShowCheckPtrList() = 0;

  // During a folder read: the status line with its text and Cancel is shown or brought up to date.
  virtual void ShowProgress(const CReadProgress& progress) = 0;
  virtual void HideProgress() = 0;
  // During a folder read: paint what changed and let Cancel through; other input waits.
  virtual void Refresh() = 0;
  virtual void ShowStatus(const CStatusLine& status) = 0;
  virtual void PlaceFocus(CFocusTarget target) = 0;
  // The window closes, as the close box would close it.
  virtual void CloseWindow() = 0;

  // The file-open dialog for one header, opening in `startFolder` ("" for the platform's choice);
  // nothing when the user cancels.
  virtual std::optional<std::string> ChooseHeaderFile(const std::string& startFolder) = 0;
  // The folder picker with a title, opening at `startFolder` ("" for the platform's choice);
  // nothing when the user cancels.
  virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) = 0;
  // A question answered "Yes" (true) or "No", "No" being the default.
  virtual bool Ask(const std::string& question) = 0;
  // A message box with one "OK" button.
  virtual void ShowMessage(const std::string& text) = 0;
  // A message box with a summary and, below it, a list the user can scroll: the box never grows
  // taller than the screen, however long the list.
  virtual void ShowDetailedMessage(const std::string& summary, const std::string& details) = 0;
  // The text window for one generated text, run modally.
  virtual void ShowText(const GeneratedText& text) = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowLegend() = 0;
};

}  // namespace varnwick
