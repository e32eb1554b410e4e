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

// What a front end does for the shell: it paints what the shell holds when told to, runs the modal
// windows, and words nothing itself. Every call comes on the user-interface thread.
class CShellHost {
 public:
  virtual ~CShellHost() = default;

  // The class list is refilled from the shell's rows, with its selection.
  virtual void ShowClassList() = 0;
  // During a folder read: one row was inserted at `row`; the other rows and the selection stay.
  virtual void InsertClassRow(std::size_t row) = 0;
  // Only the selected row of the class list changed.
  virtual void ShowSelection() = 0;
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
  // The window closes, as the close box would close it.
  virtual void CloseWindow() = 0;

  // The file-open dialog for one header; nothing when the user cancels.
  virtual std::optional<std::string> ChooseHeaderFile() = 0;
  // The folder picker with a title; nothing when the user cancels.
  virtual std::optional<std::string> ChooseFolder(const std::string& title) = 0;
  // A question answered "Yes" (true) or "No", "No" being the default.
  virtual bool Ask(const std::string& question) = 0;
  // A message box with one "OK" button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The text window for one generated text, run modally.
  virtual void ShowText(const GeneratedText& text) = 0;
  virtual void ShowAbout() = 0;
  virtual void ShowLegend() = 0;
};

}  // namespace varnwick
