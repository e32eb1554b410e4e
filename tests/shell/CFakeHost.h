#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CMainShell.h"
#include "CShellHost.h"

namespace varnwick::test {

// Stands in for a front end: answers what the test set up, records what it was asked to show,
// and keeps the class list as a front end paints it, so that tests see what the user would.
class CFakeHost : public CShellHost {
 public:
  void Attach(const CMainShell& shell) { m_shell = &shell; }

  void ShowClassList() override {
    shownRows.clear();
    for (std::size_t row = 0; row < m_shell->ClassList().rows.size(); ++row)
      shownRows.push_back(m_shell->ClassAtRow(row).m_strName);
    ++classListFills;
  }
  void InsertClassRow(std::size_t row) override {
    shownRows.insert(shownRows.begin() + static_cast<std::ptrdiff_t>(row), m_shell->ClassAtRow(row).m_strName);
  }
  void ShowClassRow(std::size_t row) override { repaintedRows.push_back(row); }
  void ShowSelection(bool bringIntoView) override {
    ++selectionPaints;
    selectionsBroughtIntoView += bringIntoView ? 1 : 0;
  }
  void ShowMembers() override { ++memberFills; }
  void ShowMemberState(std::size_t row) override { changedStates.push_back(row); }
  void ShowCheckPtrList() override { ++checkBoxPaints; }
  void ShowProgress(const CReadProgress& progress) override { progressTexts.push_back(progress.text); }
  void HideProgress() override { ++progressHides; }
  void Refresh() override {
    ++refreshes;
    if (duringRead) duringRead();
  }
  void ShowStatus(const CStatusLine& shown) override { status = shown; }
  void PlaceFocus(CFocusTarget target) override { focus = target; }
  void CloseWindow() override { ++closes; }

  std::optional<std::string> ChooseHeaderFile(const std::string& startFolder) override {
    fileDialogStarts.push_back(startFolder);
    return nextFile;
  }
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) override {
    folderTitles.push_back(title);
    folderDialogStarts.push_back(startFolder);
    return nextFolder;
  }
  bool Ask(const std::string& question) override {
    questions.push_back(question);
    return answerYes;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowDetailedMessage(const std::string& summary, const std::string& details) override {
    detailedMessages.push_back({summary, details});
  }
  void ShowText(const GeneratedText& text) override { texts.push_back(text); }
  void ShowAbout() override { ++abouts; }
  void ShowLegend() override { ++legends; }

  std::optional<std::string> nextFile;
  std::optional<std::string> nextFolder;
  bool answerYes = false;
  std::function<void()> duringRead;  // runs at every refresh of a folder read

  std::vector<std::string> shownRows;
  std::vector<std::size_t> repaintedRows;
  CStatusLine status;
  std::optional<CFocusTarget> focus;
  std::vector<std::string> fileDialogStarts;
  std::vector<std::string> folderDialogStarts;
  std::vector<std::pair<std::string, std::string>> detailedMessages;
  std::vector<std::string> folderTitles;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  std::vector<GeneratedText> texts;
  std::vector<std::string> progressTexts;
  std::vector<std::size_t> changedStates;
  int classListFills = 0;
  int selectionPaints = 0;
  int selectionsBroughtIntoView = 0;
  int memberFills = 0;
  int checkBoxPaints = 0;
  int progressHides = 0;
  int refreshes = 0;
  int closes = 0;
  int abouts = 0;
  int legends = 0;

 private:
  const CMainShell* m_shell = nullptr;
};

// A clock that moves on by `step` each time it is read.
inline CShellClock TickingClock(std::chrono::milliseconds step) {
  auto now = std::make_shared<std::chrono::milliseconds>(0);
  return [now, step] { return *now += step; };
}

// The name of the selected class, or "<none>".
inline std::string SelectedName(const CMainShell& shell) {
  const CClassInfo* record = shell.SelectedClass();
  return record != nullptr ? record->m_strName : "<none>";
}

}  // namespace varnwick::test
