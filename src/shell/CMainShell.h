#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CCatalogue.h"
#include "CClassFilter.h"
#include "CFolderRead.h"
#include "CReloadRead.h"
#include "CMemberRows.h"
#include "CSettingsStore.h"
#include "CShellHost.h"
#include "MessageText.h"

namespace varnwick {

// A path handed to the window at once, from start-up or a drop: a header, or a folder to read.
struct CDroppedPath {
  std::string path;
  bool folder = false;
};

// What one row of the class list shows: the class name and, when another row shows the same name,
// the file name of its header, so that the two can be told apart; and the header's whole path.
struct CClassRowLabel {
  std::string name;
  std::string fileName;  // empty unless the name is shared
  std::string path;
};

// How the user asks the main window to close.
enum class CCloseRequest { kQuitButton, kCloseBox, kEnter, kEscape };

// The main window without its widgets: the catalogue, the filter, the class list and its
// selection, the member rows with their check states, the pointer-list setting, and every command
// of the menus. A front end forwards the user's commands here and paints what the shell answers
// through its CShellHost.
class CMainShell {
 public:
  // `settings` keeps the dialogs' last folders between runs; null keeps them for this run only.
  explicit CMainShell(CShellHost& host, CShellClock clock = SteadyClock(), CSettingsStore* settings = nullptr);
  ~CMainShell();
  CMainShell(const CMainShell&) = delete;
  CMainShell& operator=(const CMainShell&) = delete;

  // Add, the folder reads and Reload read and list headers through `source` (not owned) from now
  // on instead of the file system, on this thread alone; null: the file system again.
  void SetHeaderSource(CHeaderSource* source) { m_catalogue.SetSource(source); }

  // Loads each start-up file as Add loads a header, then shows the list. Answers what to tell the
  // user once the window shows (one line per problem), or "" when all went well.
  std::string LoadStartupFiles(const std::vector<std::string>& files);
  // The window has shown: the start-up problems are told, in front of it, and the focus placed.
  void WindowShown();

  // Any command of the menus, buttons and system menu (ShellCommands.h, or a generator's id).
  // While a folder is read no command runs.
  void RunCommand(int commandId);
  // Files and folders dropped on the window, in their order: a header as Add, a folder as Add
  // Directory.
  void Drop(const std::vector<CDroppedPath>& paths);
  // The user selected a row of the class list, or none.
  void SelectClassRow(std::optional<std::size_t> row);
  void SetFilter(std::string_view text);
  // A click on a row's box, a double-click on the row, or Space on it.
  void ToggleMemberState(std::size_t gridRow);
  // A click on a grid column's heading.
  void SortMembers(int column);
  // The check box.
  void SetCheckPtrList(bool on);
  // Cancel of the status line: the folder read or Reload stops after the header being read.
  void CancelRead();
  // Whether the window may close now. Enter and Escape ask first when classes are loaded; during
  // a folder read Escape cancels it and the close box closes the window once the read has stopped.
  bool RequestClose(CCloseRequest request);

  // A folder read or Reload is under way.
  bool IsReading() const { return static_cast<bool>(m_cancelRead); }
  // The context menu and drops are refused while a folder is read.
  bool TakesCommands() const { return !IsReading(); }

  const CCatalogue& Catalogue() const { return m_catalogue; }
  const CClassFilter& Filter() const { return m_filter; }
  // The class list: rows in their order, with the selected row.
  const CClassList& ClassList() const { return m_list; }
  const CClassInfo& ClassAtRow(std::size_t row) const { return m_catalogue.At(m_list.rows[row]); }
  CClassRowLabel ClassRowLabel(std::size_t row) const;
  // Where the focus belongs after a modal window: the class list, or the filter while the list is
  // empty.
  CFocusTarget FocusTarget() const;
  const CStatusLine& Status() const { return m_status; }
  // The record on the selected row, or null.
  const CClassInfo* SelectedClass() const;
  const CMemberRows& Members() const { return m_members; }
  // FindMemberState over the grid as it stands.
  int FindMemberState(std::string_view name) const;
  bool CheckPtrList() const { return m_bCheckPtrList; }

 private:
  void RunCommandNow(int commandId);
  void OnClassAdd();
  void OnClassAddDirectory(CFolderDepth depth);
  void OnClassDelete();
  void OnClassDeleteAll();
  void OnClassReload();
  void OnGenerate(int commandId);
  void OnCheckPtrList();

  // What Add and a drop did, for the status line.
  struct CAddTally {
    std::size_t classes = 0;
    std::size_t newShown = 0;  // of the classes added, those the filter shows
    std::string replacedPath;  // the last header that was loaded already
    std::size_t replacedClasses = 0;
    std::size_t headers = 0;
  };

  // Reads a header into the catalogue; false when it yields no class. A header over the size limit
  // is told at once (`tooLarge` set).
  bool AddFile(const std::string& path, bool& tooLarge, std::vector<std::string>* deferredMessages = nullptr,
               CAddTally* tally = nullptr);
  std::string AddedText(const CAddTally& tally) const;
  void ReadFolder(const std::string& folder, CFolderDepth depth);
  // The host, for a modal window: the focus is placed again once the command is done.
  CShellHost& Modal() {
    m_bModalShown = true;
    return m_host;
  }
  void PlaceFocusAfterModal();
  // The window closes now if the close box was pressed during a read.
  void CloseIfAsked();
  // The list refilled from the catalogue, then the selected class's members.
  void FillClassList();
  void ShowSelectedClass();
  void ShowList(CClassList list);

  // The status line with `message`, and the selected class's header.
  void ShowStatus(std::string message);
  void ShowStatusClass();
  std::string LastFolder(std::string_view key) const;
  void RememberFolder(std::string_view key, const std::string& folder);

  CShellHost& m_host;
  CShellClock m_clock;
  CMemorySettings m_runSettings;  // when no store is given
  CSettingsStore& m_settings;
  CStatusLine m_status;
  CCatalogue m_catalogue;
  CClassFilter m_filter;
  CClassList m_list;
  CMemberRows m_members;
  bool m_bCheckPtrList = true;
  std::function<void()> m_cancelRead;  // while a folder read or Reload is under way
  bool m_bCloseAfterRead = false;
  bool m_bModalShown = false;
  CProblemsText m_startupProblems;  // told once the window shows
};

}  // namespace varnwick
