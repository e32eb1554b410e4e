#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CClassFilter.h"
#include "CClassInfo.h"
#include "CHeaderReader.h"
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

// A header that could not be read again by Reload.
struct CReloadProblem {
  std::string path;
  bool tooLarge = false;  // else it is gone or holds no class any more
};

struct CReloadReport {
  // One per header, in loading order.
  std::vector<CReloadProblem> problems;
  // For each position before the reload: the record's position after it, or none when it went.
  std::vector<std::optional<std::size_t>> newPositions;
};

// The loaded classes, in loading order, and the name of the first class of the last header read.
class CCatalogue {
 public:
  // Reads every class of a header; false (catalogue unchanged) when it yields none.
  // Throws CFileTooLarge for a header over the size limit, leaving the catalogue unchanged.
  bool AddFile(const std::string& path, CPathKnowledge knowledge = CPathKnowledge::kUnknown);
  // Whether the last AddFile got the header's text, classes or none.
  bool LastFileHadText() const { return m_lastFileHadText; }
  // The headers of `folder` in the order Add Directory adds them, as the source lists them.
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth depth) {
    return Source().WalkFolder(folder, depth);
  }
  // AddFile reads through `source` (not owned) from now on, or through its own reader again when
  // `source` is null.
  void SetSource(CHeaderSource* source) { m_source = source; }
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
  // the user deleted stay deleted.
  CReloadReport Reload();

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
    std::size_t load;  // index into m_loads
  };
  // One reading of a header: its path and the class names it held then, in header order.
  struct CLoad {
    std::string path;
    std::vector<std::string> names;
  };
  struct CReading;

  void Append(std::vector<std::unique_ptr<CClassInfo>> records, const std::string& path);
  CHeaderSource& Source() { return m_source != nullptr ? *m_source : m_reader; }
  std::vector<CReading> ReadLoadsAgain(CReloadReport& report);

  std::vector<CEntry> m_entries;
  std::vector<CLoad> m_loads;
  std::string m_strLastClass;
  bool m_lastFileHadText = false;
  CHeaderReader m_reader;
  CHeaderSource* m_source = nullptr;  // when set, read through instead of m_reader
  CRecordSink* m_sink = nullptr;
};

}  // namespace varnwick
