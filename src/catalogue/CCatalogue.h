#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "CClassFilter.h"
#include "CClassInfo.h"
#include "CHeaderReader.h"
#include "CReadListener.h"
#include "CRecordSink.h"

namespace varnwick {

// What the class list shows: rows[i] is the position in the catalogue of the record on row i.
struct CClassList {
  std::vector<std::size_t> rows;
  std::optional<std::size_t> selectedRow;

  std::optional<std::size_t> SelectedRecord() const {
    if (!selectedRow) return std::nullopt;
    return rows[*selectedRow];
  }
  // Selects the row of a record; false (selection unchanged) when no row shows it.
  bool SelectRecord(std::size_t record);
};

// Every class of a header in header order; empty when the file is missing or holds no class.
// Throws CFileTooLarge for a header over the size limit.
std::vector<std::unique_ptr<CClassInfo>> ReadClasses(const std::string& path);

// Why Reload lost a header's classes.
enum class CReloadCause {
  kGone,       // it cannot be opened any more
  kNoClass,    // it holds no class any more
  kTooLarge,   // it grew past the size limit
};

// A header that could not be read again by Reload.
struct CReloadProblem {
  std::string path;
  CReloadCause cause = CReloadCause::kGone;
};

struct CReloadReport {
  // One per header, in loading order.
  std::vector<CReloadProblem> problems;
  // For each position before the reload: the record's position after it, or none when it went.
  std::vector<std::optional<std::size_t>> newPositions;
  std::size_t headersRead = 0;   // loaded headers read again, and new headers of folders
  std::size_t newHeaders = 0;    // headers that appeared in a folder and gave classes
  bool cancelled = false;        // the headers not reached kept their classes as they were
};

// What AddFile does with a header loaded before from the same path.
enum class CRepeatedHeader {
  kReplace,   // its classes are read again where they stand: the window's Add
  kAddAgain,  // they are added once more: each path a command line names is one load
};

// The loaded classes, in loading order, and the name of the first class of the last header read.
class CCatalogue {
 public:
  // Reads every class of a header; false (catalogue unchanged) when it yields none. A header
  // already loaded from the same path has its classes replaced where they stand, as read now,
  // instead of doubled, unless SetRepeatedHeader says otherwise. Throws CFileTooLarge for a header over the size limit, leaving the
  // catalogue unchanged.
  bool AddFile(const std::string& path, CPathKnowledge knowledge = CPathKnowledge::kUnknown);
  void SetRepeatedHeader(CRepeatedHeader repeated) { m_repeatedHeader = repeated; }
  // Whether the last AddFile got the header's text, classes or none.
  bool LastFileHadText() const { return m_lastFileHadText; }
  // How many classes the last AddFile found.
  std::size_t LastFileClasses() const { return m_lastFileClasses; }
  // Whether the last AddFile replaced the classes of a header loaded before.
  bool LastFileReplaced() const { return m_lastFileReplaced; }
  // The headers added between these two calls came from reading `folder`, which Reload walks
  // again for headers that appeared. A folder already remembered with the same depth is kept once.
  void BeginFolder(const std::string& folder, CFolderDepth depth);
  // `complete`: the whole folder was read; a cancelled read is not remembered.
  void EndFolder(bool complete);
  // The headers of `folder` in the order Add Directory adds them, as the source lists them.
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth depth) {
    return Source().WalkFolder(folder, depth);
  }
  // AddFile reads through `source` (not owned) from now on, or through its own reader again when
  // `source` is null.
  void SetSource(CHeaderSource* source) { m_source = source; }
  // Whether AddFile reads through a source set from outside rather than its own reader.
  bool HasSource() const { return m_source != nullptr; }
  // The classes added from now on go to `sink` (not owned) instead of the catalogue's list, which
  // then stays as it is; the last class read is still remembered. Null keeps them again.
  void SetSink(CRecordSink* sink) {
    m_sink = sink;
    m_reader.SetMemberDetail(MemberDetail());
  }
  // How much of the members the classes read from now on keep: what the sink looks at, or all.
  CMemberDetail MemberDetail() const { return m_sink != nullptr ? m_sink->MemberDetail() : CMemberDetail::kRecords; }
  // Position of the record itself, or none.
  std::optional<std::size_t> FindClassPosition(const CClassInfo& record) const;
  void Delete(std::size_t position);
  void DeleteAll();
  // Reads every loaded header again. A record whose header still defines its class is replaced in
  // place by the class as read now; classes a header gained follow its other records; classes it
  // lost go. A header that is gone, holds no class or is too large loses all its records. Classes
  // the user deleted stay deleted. Then each remembered folder is walked again: the headers that
  // appeared in it are read, in walk order, and their classes follow the folder's other classes.
  // `listener` hears of every header read and may stop the reload: the headers not reached then
  // keep their records as they were.
  CReloadReport Reload(CReadListener* listener = nullptr);

  std::size_t Size() const { return m_entries.size(); }
  bool IsEmpty() const { return m_entries.empty(); }
  const CClassInfo& At(std::size_t position) const { return *m_entries[position].record; }
  const std::string& LastClass() const { return m_strLastClass; }

  // The class list after a refill: the classes the filter shows, sorted by name,
  // case-insensitively, equal names in loading order; selecting the last of them named like the
  // last class read, else the first row.
  CClassList SortedClassList(const CClassFilter& filter = {}) const;
  // The record the refilled class list selects, or none when it shows no row.
  std::optional<std::size_t> RecordToSelect(const CClassFilter& filter = {}) const;
  // Delete Class on row `row` of `list`: removes that record and answers the class list the
  // command leaves (the same row stays selected while it exists). Nothing when `row` is invalid.
  std::optional<CClassList> DeleteClass(const CClassList& list, std::size_t row, const CClassFilter& filter = {});

 private:
  struct CEntry {
    std::unique_ptr<CClassInfo> record;
    std::size_t load;   // index into m_loads
    std::size_t place;  // of its class among the header's classes as last read (CLoad::names)
  };
  static constexpr std::size_t kNoFolder = static_cast<std::size_t>(-1);
  // One reading of a header: its path, the class names it held then, in header order, and the
  // remembered folder whose reading found it.
  struct CLoad {
    std::string path;
    std::vector<std::string> names;
    std::size_t folder = kNoFolder;
  };
  struct CFolder {
    std::string path;
    CFolderDepth depth;
  };
  struct CReading;

  void Append(std::vector<std::unique_ptr<CClassInfo>> records, const std::string& path);
  void Replace(std::size_t load, std::vector<std::unique_ptr<CClassInfo>> records);
  std::optional<std::size_t> FindLoad(const std::string& path) const;
  CHeaderSource& Source() { return m_source != nullptr ? *m_source : m_reader; }
  std::vector<CReading> ReadLoadsAgain(CReloadReport& report, CReadListener* listener);
  // Rebuilds the entries from the readings; answers for each new entry its position before.
  std::vector<std::optional<std::size_t>> KeepReadRecords(std::vector<CReading>& readings);
  // A header that appeared in a remembered folder, with its classes.
  struct CNewHeader {
    std::size_t folder;
    std::string path;
    std::vector<std::unique_ptr<CClassInfo>> records;
  };
  std::vector<CNewHeader> ReadNewHeaders(CReloadReport& report, CReadListener* listener);
  // Puts the new headers' classes after their folder's other classes, in walk order.
  void InsertNewHeaders(std::vector<CNewHeader> headers, std::vector<std::optional<std::size_t>>& origins);

  std::vector<CEntry> m_entries;
  std::vector<CLoad> m_loads;
  std::unordered_map<std::string, std::size_t> m_loadByPath;  // loads not forgotten
  std::vector<CFolder> m_folders;
  std::size_t m_currentFolder = kNoFolder;  // between BeginFolder and EndFolder
  bool m_currentFolderIsNew = false;
  std::string m_strLastClass;
  bool m_lastFileHadText = false;
  bool m_lastFileReplaced = false;
  CRepeatedHeader m_repeatedHeader = CRepeatedHeader::kReplace;
  std::size_t m_lastFileClasses = 0;
  CHeaderReader m_reader;
  CHeaderSource* m_source = nullptr;  // when set, read through instead of m_reader
  CRecordSink* m_sink = nullptr;
};

}  // namespace varnwick
