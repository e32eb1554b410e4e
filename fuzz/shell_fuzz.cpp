// Drives the main window's shell through a script of commands over a few headers held in memory,
// the fake host answering its dialogs, and checks after every step what the user would see: the
// class list holds exactly the classes the filter shows, sorted case-insensitively with equal names
// in loading order, as the host painted it; the selection is a row; the member rows are those of
// the selected class, in member order; a generated text ends in "\r\n" and holds no bare "\n";
// nothing is left after Delete All; Reload of headers unchanged since they were read changes
// nothing. During a folder read the growing list must hold the same at every repaint.
//
// Input: parts separated by zero bytes. With one part it is the only header and a fixed script
// runs; with more, the last part is the script and the others are the files, in this order:
// "A.h", "b.H", "sub/c.h" and "d.txt" (never read), in the folder "/fuzz". Each script byte is
// one command by its value modulo 16, so that "0" to "9" and ":" to "?" write them readably; the
// commands marked (+1) take the next byte as their argument:
//   0 Add (+1: the file, or one past them: a path with no file)   1 Add Directory
//   2 Add Directory Tree   3 Delete   4 Delete All   5 Reload
//   6 change a file (+1: the file by its low two bits, then what it holds: nothing, its bytes,
//     their first half, or the next file's bytes)
//   7 filter text (+1: its length modulo 4; the text follows)   8 select a row (+1, past the rows: none)
//   9 toggle a grid row (+1)   : generate (+1: the command)   ; sort the grid (+1: the column)
//   < the pointer-list switch   = drop a file or the folder (+1)   > Add Directory cancelled at
//   its first repaint   ? Add Directory of "/fuzz/sub"
#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CFakeHost.h"
#include "CMainShell.h"
#include "CMemoryFolder.h"
#include "FuzzSupport.h"
#include "Generator.h"
#include "ListOrder.h"
#include "MessageText.h"
#include "ShellCommands.h"

namespace {

using namespace varnwick;
using fuzz::Require;

constexpr std::array<const char*, 4> kFileNames = {"A.h", "b.H", "sub/c.h", "d.txt"};
constexpr std::string_view kDefaultScript = "1" "80" "90" ":0" "5" "68" "5" "2" "71C" "3" ":3" "4";
constexpr std::size_t kMaxScript = 64;  // bytes

using Script = fuzz::CFuzzScript;

Script ReadScript(std::string_view input) {
  return fuzz::ReadFuzzScript(input, kFileNames.size(), kDefaultScript, kMaxScript);
}

// What the shell holds of the classes, by content: Reload makes new records of the same classes.
struct Snapshot {
  std::vector<std::string> records;  // name, base, file and member lines of each, in loading order
  std::vector<std::size_t> rows;
  std::optional<std::size_t> selectedRecord;

  bool operator==(const Snapshot&) const = default;
};

Snapshot SnapshotOf(const CMainShell& shell) {
  Snapshot snapshot;
  const CCatalogue& catalogue = shell.Catalogue();
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    const CClassInfo& record = catalogue.At(i);
    std::string text = record.m_strName + '\n' + record.m_strBase + '\n' + record.m_strFile;
    for (const auto& member : record.m_pMembers) text += '\n' + member->LineText();
    snapshot.records.push_back(std::move(text));
  }
  snapshot.rows = shell.ClassList().rows;
  snapshot.selectedRecord = shell.ClassList().SelectedRecord();
  return snapshot;
}

void CheckClassList(const CMainShell& shell, const test::CFakeHost& host) {
  const CCatalogue& catalogue = shell.Catalogue();
  const CClassList& list = shell.ClassList();
  std::vector<bool> seen(catalogue.Size(), false);
  std::size_t shown = 0;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) shown += shell.Filter().Shows(catalogue.At(i).m_strName) ? 1 : 0;
  Require(list.rows.size() == shown, "one row per class the filter shows");
  for (std::size_t row = 0; row < list.rows.size(); ++row) {
    const std::size_t record = list.rows[row];
    Require(record < catalogue.Size() && !seen[record], "each row a different record");
    seen[record] = true;
    Require(shell.Filter().Shows(catalogue.At(record).m_strName), "each row shown by the filter");
    Require(host.shownRows[row] == catalogue.At(record).m_strName, "the host paints the shell's rows");
    if (row == 0) continue;
    const int order = CompareListText(catalogue.At(list.rows[row - 1]).m_strName, catalogue.At(record).m_strName);
    Require(order < 0 || (order == 0 && list.rows[row - 1] < record), "sorted, equal names in loading order");
  }
  Require(host.shownRows.size() == list.rows.size(), "the host paints as many rows");
  if (list.selectedRow) Require(*list.selectedRow < list.rows.size(), "the selection is a row");
}

// Whether the grid shows `record`'s members in header order, or sorted by one of its columns.
bool GridInOrder(const std::vector<CGridRow>& grid, const CClassInfo& record) {
  if (grid.size() != record.m_pMembers.size()) return false;
  bool headerOrder = true;
  for (std::size_t i = 0; i < grid.size(); ++i) headerOrder &= grid[i].member == record.m_pMembers[i].get();
  if (headerOrder) return true;
  std::vector<const CMemberInfo*> members;
  for (const CGridRow& row : grid) members.push_back(row.member);
  std::vector<const CMemberInfo*> expected;
  for (const auto& member : record.m_pMembers) expected.push_back(member.get());
  std::sort(members.begin(), members.end());
  std::sort(expected.begin(), expected.end());
  if (members != expected) return false;
  for (const bool byType : {true, false}) {
    const auto text = [byType](const CGridRow& row) -> const std::string& {
      return byType ? row.member->m_strType : row.member->m_strName;
    };
    if (std::is_sorted(grid.begin(), grid.end(),
                       [&](const CGridRow& a, const CGridRow& b) { return CompareListText(text(a), text(b)) < 0; }))
      return true;
  }
  return false;
}

void CheckMembers(const CMainShell& shell, const test::CFakeHost& host) {
  const CMemberRows& members = shell.Members();
  const CClassInfo* selected = shell.SelectedClass();
  // A cleared selection leaves the members shown, and their header on the status line until a
  // command words the status again.
  const std::string& path = host.status.classPath;
  if (selected != nullptr)
    Require(path == selected->m_strFile, "the status line names the selected class's header");
  else
    Require(path.empty() || (members.ShownClass() != nullptr && path == members.ShownClass()->m_strFile),
            "without a selection the status line names no header, or that of the members shown");
  if (selected == nullptr) {
    bool loaded = members.ShownClass() == nullptr;
    for (std::size_t i = 0; i < shell.Catalogue().Size() && !loaded; ++i) loaded = &shell.Catalogue().At(i) == members.ShownClass();
    Require(loaded, "the members shown are of a loaded class");
    return;
  }
  Require(members.ShownClass() == selected, "the members are the selected class's");
  Require(members.ListOrder() == MemberListOrder(*selected), "the member list in member order");
  Require(GridInOrder(members.Grid(), *selected), "the grid in header order or sorted by a column");
  for (const CGridRow& row : members.Grid()) Require(row.state >= 0 && row.state <= 2, "a state is 0, 1 or 2");
}

void CheckText(const GeneratedText& text) {
  const std::string& body = text.body;
  Require(body.ends_with("\r\n"), "the text ends in \\r\\n");
  for (std::size_t at = body.find('\n'); at != std::string::npos; at = body.find('\n', at + 1))
    Require(at > 0 && body[at - 1] == '\r', "no bare \\n in the text");
  Require(text.declaration.find('\n') == std::string::npos, "the declaration is one line");
}

// The folder's files as the script has left them: each a view of the input, or absent.
class CFiles {
 public:
  CFiles(fuzz::CMemoryFolder& folder, const std::vector<std::string_view>& files)
      : m_folder(folder), m_original(files), m_current(files.begin(), files.end()) {
    Fill();
  }

  std::size_t Count() const { return m_original.size(); }
  // Changes one file; false when its bytes stay the same.
  bool Change(unsigned char how) {
    const std::size_t file = (how & 3u) % Count();
    const std::optional<std::string_view> before = m_current[file];
    switch ((how >> 2) & 3u) {
      case 0: m_current[file].reset(); break;
      case 1: m_current[file] = m_original[file]; break;
      case 2: m_current[file] = m_original[file].substr(0, m_original[file].size() / 2); break;
      default: m_current[file] = m_original[(file + 1) % Count()]; break;
    }
    if (m_current[file] == before) return false;
    Fill();
    return true;
  }

 private:
  void Fill() {
    std::vector<fuzz::CMemoryFolder::File> filled;
    for (std::size_t i = 0; i < Count(); ++i)
      if (m_current[i]) filled.emplace_back(kFileNames[i], *m_current[i]);
    m_folder.Fill(std::move(filled));
  }

  fuzz::CMemoryFolder& m_folder;
  std::vector<std::string_view> m_original;
  std::vector<std::optional<std::string_view>> m_current;
};

class CRun {
 public:
  CRun(fuzz::CMemoryFolder& folder, const Script& script)
      : m_folder(folder), m_files(folder, script.files), m_shell(m_host, test::TickingClock(std::chrono::milliseconds(100))) {
    m_host.Attach(m_shell);
    m_shell.SetHeaderSource(&folder);
    m_host.duringRead = [this] {
      if (m_checkDuringRead) CheckClassList(m_shell, m_host);
      if (m_cancelAtRepaint) m_shell.CancelRead();
    };
  }

  void Step(unsigned char command, std::string_view& rest) {
    switch (command % 16) {
      case 0: Add(Argument(rest)); break;
      case 1: ReadFolder(kCommandClassAddDirectory, m_folder.Path()); break;
      case 2: ReadFolder(kCommandClassAddDirectoryTree, m_folder.Path()); break;
      case 3: Refill([&] { m_shell.RunCommand(kCommandClassDelete); }, m_shell.ClassList().selectedRow.has_value()); break;
      case 4: DeleteAll(); break;
      case 5: Reload(); break;
      case 6: m_changed |= m_files.Change(Argument(rest)); break;
      case 7: Filter(rest); break;
      case 8: Select(Argument(rest)); break;
      case 9: m_shell.ToggleMemberState(Argument(rest) % (m_shell.Members().Grid().size() + 1)); break;
      case 10: Generate(Argument(rest)); break;
      case 11: m_shell.SortMembers(Argument(rest) % 3); break;
      case 12: m_shell.RunCommand(kCommandCheckPtrList); break;
      case 13: Drop(Argument(rest)); break;
      case 14:
        m_cancelAtRepaint = true;
        ReadFolder(kCommandClassAddDirectory, m_folder.Path());
        m_cancelAtRepaint = false;
        break;
      default: ReadFolder(kCommandClassAddDirectory, m_folder.Path() + "/sub"); break;
    }
    Require(!m_shell.IsReading(), "no read is left under way");
    CheckClassList(m_shell, m_host);
    CheckMembers(m_shell, m_host);
  }

 private:
  static unsigned char Argument(std::string_view& rest) {
    if (rest.empty()) return 0;
    const auto byte = static_cast<unsigned char>(rest.front());
    rest.remove_prefix(1);
    return byte;
  }

  std::string PathOf(unsigned char pick) const {
    const std::size_t file = pick % (m_files.Count() + 1);
    return m_folder.PathOf(file < m_files.Count() ? kFileNames[file] : "none.h");
  }

  // Runs a command after which the list is as a refill leaves it: a row selected when there is one.
  template <typename Command>
  void Refill(Command command, bool refills = true) {
    command();
    if (refills)
      Require(m_shell.ClassList().selectedRow.has_value() == !m_shell.ClassList().rows.empty(),
              "a row selected exactly when there are rows");
  }

  void Add(unsigned char pick) {
    m_host.nextFile = PathOf(pick);
    Refill([&] { m_shell.RunCommand(kCommandClassAdd); });
  }

  void ReadFolder(int command, const std::string& folder) {
    m_host.nextFolder = folder;
    Refill([&] { m_shell.RunCommand(command); });
  }

  void Drop(unsigned char pick) {
    const bool folder = pick % (m_files.Count() + 2) == m_files.Count() + 1;
    Refill([&] { m_shell.Drop({{folder ? m_folder.Path() : PathOf(pick), folder}}); });
  }

  void DeleteAll() {
    m_shell.RunCommand(kCommandClassDeleteAll);
    Require(m_shell.Catalogue().IsEmpty() && m_shell.ClassList().rows.empty() && !m_shell.ClassList().selectedRow &&
                m_host.shownRows.empty() && m_shell.Members().ShownClass() == nullptr && m_shell.Members().Grid().empty(),
            "nothing is left after Delete All");
    m_changed = false;  // nothing loaded is older than the files
  }

  void Reload() {
    const Snapshot before = SnapshotOf(m_shell);
    const std::size_t messages = m_host.messages.size() + m_host.detailedMessages.size();
    // Records move about until the reload is done; the list is refilled only then.
    m_checkDuringRead = false;
    Refill([&] { m_shell.RunCommand(kCommandClassReload); });
    m_checkDuringRead = true;
    if (!m_changed) {
      Snapshot after = SnapshotOf(m_shell);
      // A list without a selection gets the refill's.
      if (!before.selectedRecord) after.selectedRecord.reset();
      Require(after == before, "Reload of unchanged headers changes nothing");
      Require(m_host.messages.size() + m_host.detailedMessages.size() == messages, "and tells of no problem");
    }
    m_changed = false;
  }

  void Filter(std::string_view& rest) {
    const std::size_t length = std::min<std::size_t>(Argument(rest) % 4, rest.size());
    const std::string_view text = rest.substr(0, length);
    rest.remove_prefix(length);
    const std::optional<std::size_t> selected = m_shell.ClassList().SelectedRecord();
    Refill([&] { m_shell.SetFilter(text); });
    const CClassList& list = m_shell.ClassList();
    if (selected && std::find(list.rows.begin(), list.rows.end(), *selected) != list.rows.end())
      Require(list.SelectedRecord() == selected, "the filter keeps the selected class while it shows it");
  }

  void Select(unsigned char pick) {
    const std::size_t rows = m_shell.ClassList().rows.size();
    const std::size_t row = pick % (rows + 1);
    m_shell.SelectClassRow(row < rows ? std::optional<std::size_t>(row) : std::nullopt);
    if (row < rows) Require(m_shell.ClassList().selectedRow == row, "the row chosen is selected");
  }

  void Generate(unsigned char pick) {
    const GeneratorInfo& generator = AllGenerators()[pick % AllGenerators().size()];
    const std::size_t texts = m_host.texts.size();
    m_shell.RunCommand(generator.commandId);
    const CClassInfo* selected = m_shell.SelectedClass();
    const bool expected = selected != nullptr && !m_shell.Members().ListOrder().empty();
    Require(m_host.texts.size() == texts + (expected ? 1 : 0), "a text exactly for a selected class with members");
    if (expected) CheckText(m_host.texts.back());
    if (selected == nullptr) Require(m_host.status.message == kSelectClassFirst, "a class is asked for first");
  }

  fuzz::CMemoryFolder& m_folder;
  CFiles m_files;
  test::CFakeHost m_host;
  CMainShell m_shell;
  bool m_changed = false;  // a file changed since the loaded classes were read
  bool m_checkDuringRead = true;  // a folder read's list is checked at every repaint
  bool m_cancelAtRepaint = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static fuzz::CMemoryFolder folder("/fuzz");
  const Script script = ReadScript(std::string_view(reinterpret_cast<const char*>(data), size));
  CRun run(folder, script);
  std::string_view rest = script.commands;
  while (!rest.empty()) {
    const auto command = static_cast<unsigned char>(rest.front());
    rest.remove_prefix(1);
    run.Step(command, rest);
  }
  return 0;
}
