#include "CMainShell.h"

#include <utility>

#include "Generation.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MessageText.h"
#include "PathText.h"
#include "ShellCommands.h"

namespace varnwick {
namespace {

std::string FileNameOf(std::string_view path) {
  const std::size_t separator = FindLastSeparator(path);
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

// The folder a chosen header stands in, as the file dialog should open there next time.
std::string FolderOf(std::string_view path) {
  const std::size_t separator = FindLastSeparator(path);
  return std::string(separator == std::string_view::npos ? std::string_view() : path.substr(0, separator + 1));
}

constexpr std::string_view kHeaderFolderKey = "dialogs/headerFolder";
constexpr std::string_view kProjectFolderKey = "dialogs/projectFolder";

}  // namespace

CMainShell::CMainShell(CShellHost& host, CShellClock clock, CSettingsStore* settings)
    : m_host(host), m_clock(std::move(clock)), m_settings(settings != nullptr ? *settings : m_runSettings) {}

CMainShell::~CMainShell() = default;

std::string CMainShell::LoadStartupFiles(const std::vector<std::string>& files) {
  if (files.empty()) return {};
  // Told once the window shows, all in one box: a file manager may pass many files at once.
  std::vector<std::string> messages;
  for (const std::string& file : files) {
    bool tooLarge = false;
    if (!AddFile(file, tooLarge, &messages) && !tooLarge) messages.push_back(NoClassInformationFor(file));
  }
  FillClassList();
  ShowSelectedClass();
  m_startupProblems = StartupProblemsText(messages, files.size());
  return JoinLines(messages);
}

void CMainShell::WindowShown() {
  const CProblemsText problems = std::exchange(m_startupProblems, {});
  if (!problems.details.empty())
    Modal().ShowDetailedMessage(problems.summary, problems.details);
  else if (!problems.summary.empty())
    Modal().ShowMessage(problems.summary);
  m_host.PlaceFocus(FocusTarget());
  m_bModalShown = false;
}

void CMainShell::RunCommand(int commandId) {
  // A folder being read takes no other command, whichever way it comes.
  if (IsReading()) return;
  RunCommandNow(commandId);
  PlaceFocusAfterModal();
}

void CMainShell::RunCommandNow(int commandId) {
  switch (commandId) {
    case kCommandClassAdd: OnClassAdd(); return;
    case kCommandClassAddDirectory: OnClassAddDirectory(CFolderDepth::kFolderOnly); return;
    case kCommandClassAddDirectoryTree: OnClassAddDirectory(CFolderDepth::kWithSubfolders); return;
    case kCommandClassDelete: OnClassDelete(); return;
    case kCommandClassDeleteAll: OnClassDeleteAll(); return;
    case kCommandClassReload: OnClassReload(); return;
    case kCommandCheckPtrList: OnCheckPtrList(); return;
    case kCommandAbout:
    case kCommandAboutBox: Modal().ShowAbout(); return;
    case kCommandHelp: Modal().ShowLegend(); return;
    case kCommandQuit: m_host.CloseWindow(); return;
    default: OnGenerate(commandId); return;
  }
}

void CMainShell::Drop(const std::vector<CDroppedPath>& paths) {
  if (IsReading()) return;
  CAddTally tally;
  for (const CDroppedPath& item : paths) {
    if (item.folder) {
      ReadFolder(item.path, CFolderDepth::kFolderOnly);
      continue;
    }
    bool tooLarge = false;
    if (!AddFile(item.path, tooLarge, nullptr, &tally) && !tooLarge)
      Modal().ShowMessage(NoClassInformationIn(item.path));
  }
  FillClassList();
  ShowSelectedClass();
  // A folder read words its own result; the headers dropped with it add theirs.
  if (tally.headers > 0) ShowStatus(AddedText(tally));
  PlaceFocusAfterModal();
}

void CMainShell::SelectClassRow(std::optional<std::size_t> row) {
  if (row && *row >= m_list.rows.size()) row.reset();
  m_list.selectedRow = row;
  // A cleared selection leaves the members shown.
  if (const CClassInfo* record = SelectedClass()) {
    m_members.Show(record);
    m_host.ShowMembers();
    ShowStatusClass();
  }
}

void CMainShell::SetFilter(std::string_view text) {
  const std::optional<std::size_t> selected = m_list.SelectedRecord();
  m_filter = CClassFilter(text);
  CClassList list = m_catalogue.SortedClassList(m_filter);
  // The selected class stays selected while the filter shows it; else the refill's choice.
  if (selected) list.SelectRecord(*selected);
  ShowList(std::move(list));
  // The grid keeps the user's ticks while the selection stays on the same class; the status line
  // names its header again, for the selection may have been cleared meanwhile.
  if (SelectedClass() != m_members.ShownClass())
    ShowSelectedClass();
  else
    ShowStatusClass();
}

void CMainShell::ToggleMemberState(std::size_t gridRow) {
  if (gridRow >= m_members.Grid().size()) return;
  m_members.ToggleState(gridRow);
  m_host.ShowMemberState(gridRow);
}

void CMainShell::SortMembers(int column) {
  m_members.SortBy(column);
  m_host.ShowMembers();
}

void CMainShell::SetCheckPtrList(bool on) { m_bCheckPtrList = on; }

void CMainShell::CancelRead() {
  if (m_cancelRead) m_cancelRead();
}

bool CMainShell::RequestClose(CCloseRequest request) {
  const bool key = request == CCloseRequest::kEnter || request == CCloseRequest::kEscape;
  if (IsReading()) {
    // Escape stops the read; the close box and Quit close the window once it has stopped.
    if (request == CCloseRequest::kEscape) CancelRead();
    if (!key) {
      CancelRead();
      m_bCloseAfterRead = true;
    }
    return false;
  }
  // A key pressed by mistake must not lose the classes; Quit and the close box are deliberate.
  if (key) return m_catalogue.IsEmpty() || m_host.Ask(std::string(kQuitQuestion));
  return true;
}

const CClassInfo* CMainShell::SelectedClass() const {
  if (!m_list.selectedRow || *m_list.selectedRow >= m_list.rows.size()) return nullptr;
  return &m_catalogue.At(m_list.rows[*m_list.selectedRow]);
}

CClassRowLabel CMainShell::ClassRowLabel(std::size_t row) const {
  const CClassInfo& record = ClassAtRow(row);
  CClassRowLabel label{record.m_strName, {}, record.m_strFile};
  // Rows of one name stand together, among the rows that differ from it only in case.
  auto sameName = [&](std::size_t other) { return ClassAtRow(other).m_strName == record.m_strName; };
  auto sameGroup = [&](std::size_t other) { return CompareListText(ClassAtRow(other).m_strName, record.m_strName) == 0; };
  bool shared = false;
  for (std::size_t other = row; !shared && other-- > 0 && sameGroup(other);) shared = sameName(other);
  for (std::size_t other = row + 1; !shared && other < m_list.rows.size() && sameGroup(other); ++other)
    shared = sameName(other);
  if (shared) label.fileName = FileNameOf(record.m_strFile);
  return label;
}

CFocusTarget CMainShell::FocusTarget() const {
  return m_list.rows.empty() ? CFocusTarget::kFilter : CFocusTarget::kClassList;
}

int CMainShell::FindMemberState(std::string_view name) const {
  return varnwick::FindMemberState(m_members.StateRows(), name);
}

// ---- Commands --------------------------------------------------------------------------------

void CMainShell::OnClassAdd() {
  const std::optional<std::string> path = Modal().ChooseHeaderFile(LastFolder(kHeaderFolderKey));
  if (!path) return;
  RememberFolder(kHeaderFolderKey, FolderOf(*path));
  bool tooLarge = false;
  CAddTally tally;
  if (!AddFile(*path, tooLarge, nullptr, &tally)) {
    // An oversized header ends the command at once.
    if (tooLarge) return;
    Modal().ShowMessage(NoClassInformationIn(*path));
  }
  FillClassList();
  ShowSelectedClass();
  ShowStatus(tally.headers > 0 ? AddedText(tally) : NoClassInformationIn(*path));
}

void CMainShell::OnClassAddDirectory(CFolderDepth depth) {
  const std::optional<std::string> folder =
      Modal().ChooseFolder(std::string(kFolderPickerTitle), LastFolder(kProjectFolderKey));
  if (!folder) return;
  RememberFolder(kProjectFolderKey, *folder);
  ReadFolder(*folder, depth);
}

void CMainShell::OnClassDelete() {
  if (!m_list.selectedRow) return;
  const CClassInfo* record = SelectedClass();
  const std::string name = record != nullptr ? record->m_strName : std::string();
  std::optional<CClassList> list = m_catalogue.DeleteClass(m_list, *m_list.selectedRow, m_filter);
  if (!list) return;
  ShowList(std::move(*list));
  ShowSelectedClass();
  ShowStatus(ClassRemovedText(name));
}

void CMainShell::OnClassDeleteAll() {
  const std::size_t classes = m_catalogue.Size();
  m_catalogue.DeleteAll();
  FillClassList();
  ShowSelectedClass();
  ShowStatus(ClassesRemovedText(classes));
}

void CMainShell::OnClassReload() {
  std::optional<std::size_t> before;
  if (SelectedClass() != nullptr) before = m_list.rows[*m_list.selectedRow];
  CReloadRead read(m_catalogue, m_host, m_clock);
  m_cancelRead = [&read] { read.Cancel(); };
  const CReloadReport report = read.Run();
  m_cancelRead = nullptr;
  // The same class stays selected while its header still defines it; else the refill's choice.
  CClassList list = m_catalogue.SortedClassList(m_filter);
  if (before && report.newPositions[*before]) list.SelectRecord(*report.newPositions[*before]);
  ShowList(std::move(list));
  ShowSelectedClass();
  ShowStatus(ReloadText(report));
  if (!report.problems.empty()) {
    const CProblemsText problems = ReloadProblemsText(report.problems);
    if (problems.details.empty())
      Modal().ShowMessage(problems.summary);
    else
      Modal().ShowDetailedMessage(problems.summary, problems.details);
  }
  CloseIfAsked();
}

void CMainShell::OnGenerate(int commandId) {
  const GeneratorInfo* generator = FindGeneratorByCommand(commandId);
  if (generator == nullptr) return;
  const CClassInfo* record = SelectedClass();
  if (record == nullptr) {
    ShowStatus(std::string(kSelectClassFirst));
    return;
  }
  const CGeneration result =
      RunGenerator(generator->kind, *record, m_members.ListOrder(), m_members.StateRows(), m_bCheckPtrList);
  if (result.tooLarge) Modal().ShowMessage(FileTooLargeMessage(*result.tooLarge));
  if (result.text) Modal().ShowText(*result.text);
}

void CMainShell::OnCheckPtrList() {
  m_bCheckPtrList = !m_bCheckPtrList;
  m_host.ShowCheckPtrList();
}

// ---- Loading and showing ---------------------------------------------------------------------

bool CMainShell::AddFile(const std::string& path, bool& tooLarge, std::vector<std::string>* deferredMessages,
                         CAddTally* tally) {
  tooLarge = false;
  try {
    if (!m_catalogue.AddFile(path)) return false;
  } catch (const CFileTooLarge& error) {
    tooLarge = true;
    if (deferredMessages != nullptr)
      deferredMessages->push_back(FileTooLargeMessage(error.Path()));
    else
      Modal().ShowMessage(FileTooLargeMessage(error.Path()));
    return false;
  }
  if (tally == nullptr) return true;
  const std::size_t classes = m_catalogue.LastFileClasses();
  ++tally->headers;
  if (m_catalogue.LastFileReplaced()) {
    tally->replacedPath = path;
    tally->replacedClasses += classes;
    return true;
  }
  tally->classes += classes;
  // The new records are the last ones.
  for (std::size_t position = m_catalogue.Size() - classes; position < m_catalogue.Size(); ++position)
    if (m_filter.Shows(m_catalogue.At(position).m_strName)) ++tally->newShown;
  return true;
}

std::string CMainShell::AddedText(const CAddTally& tally) const {
  if (tally.classes == 0 && tally.replacedClasses > 0)
    return ClassesReadAgainText(tally.replacedPath, tally.replacedClasses);
  std::string text = ClassesAddedText(tally.classes, tally.classes > 0 && tally.newShown == 0);
  if (tally.replacedClasses > 0) text += "; " + ClassesReadAgainText(tally.replacedPath, tally.replacedClasses);
  return text;
}

void CMainShell::ReadFolder(const std::string& folder, CFolderDepth depth) {
  CFolderRead read(m_catalogue, m_list, m_filter, m_host, m_clock);
  m_cancelRead = [&read] { read.Cancel(); };
  const CFolderReadResult result = read.Run(folder, depth);
  m_cancelRead = nullptr;
  if (result.headers == 0 && !result.tooLarge && !result.cancelled)
    ShowStatus(NoHeaderFilesIn(folder));
  else
    ShowStatus(FolderReadText(result.headers, result.classes, result.replaced, result.cancelled));
  if (result.tooLarge) Modal().ShowMessage(FileTooLargeMessage(*result.tooLarge));
  // After the message too: the members of the class the list selects, as after any refill.
  ShowSelectedClass();
  CloseIfAsked();
}

void CMainShell::CloseIfAsked() {
  if (!m_bCloseAfterRead) return;
  m_bCloseAfterRead = false;
  m_host.CloseWindow();
}

void CMainShell::PlaceFocusAfterModal() {
  if (std::exchange(m_bModalShown, false)) m_host.PlaceFocus(FocusTarget());
}

void CMainShell::ShowStatus(std::string message) {
  m_status.message = std::move(message);
  ShowStatusClass();
}

void CMainShell::ShowStatusClass() {
  const CClassInfo* record = SelectedClass();
  m_status.classPath = record != nullptr ? record->m_strFile : std::string();
  m_host.ShowStatus(m_status);
}

std::string CMainShell::LastFolder(std::string_view key) const { return m_settings.Read(key).value_or(std::string()); }

void CMainShell::RememberFolder(std::string_view key, const std::string& folder) {
  if (!folder.empty()) m_settings.Write(key, folder);
}

void CMainShell::FillClassList() { ShowList(m_catalogue.SortedClassList(m_filter)); }

void CMainShell::ShowList(CClassList list) {
  m_list = std::move(list);
  m_host.ShowClassList();
}

void CMainShell::ShowSelectedClass() {
  if (const CClassInfo* record = SelectedClass())
    m_members.Show(record);
  else
    m_members.Clear();
  m_host.ShowMembers();
  ShowStatusClass();
}

}  // namespace varnwick
