#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
};

// The loaded classes, in loading order, and the name of the first class of the last header read.
class CCatalogue {
 public:
  // Reads every class of a header; false (catalogue unchanged) when it yields none.
  // Throws CFileTooLarge for a header over the size limit, leaving the catalogue unchanged.
  bool AddFile(const std::string& path, CPathKnowledge knowledge = CPathKnowledge::kUnknown);
  // The headers of `folder` in the order Add Directory adds them, as the source lists them.
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder) {
    return (m_source != nullptr ? *m_source : static_cast<CHeaderSource&>(m_reader)).WalkFolder(folder);
  }
  // Adds the classes of one header, read by a CHeaderReader, as AddFile would have added them;
  // false (catalogue unchanged) when there are none.
  bool Append(std::vector<std::unique_ptr<CClassInfo>> records);
  // AddFile reads through `source` (not owned) from now on, or through its own reader again when
  // `source` is null.
  void SetSource(CHeaderSource* source) { m_source = source; }
  // The classes added from now on go to `sink` (not owned) instead of the catalogue's list, which
  // then stays as it is; the last class read is still remembered. Null keeps them again.
  void SetSink(CRecordSink* sink) { m_sink = sink; }
  // Position of the record itself, or none.
  std::optional<std::size_t> FindClassPosition(const CClassInfo& record) const;
  void Delete(std::size_t position);
  void DeleteAll();

  std::size_t Size() const { return m_pClasses.size(); }
  bool IsEmpty() const { return m_pClasses.empty(); }
  const CClassInfo& At(std::size_t position) const { return *m_pClasses[position]; }
  const std::string& LastClass() const { return m_strLastClass; }

  // The class list after a refill: sorted by name, case-insensitively, equal names in loading
  // order; selecting the last record named like the last class read, else the first row.
  CClassList FillClassList() const;
  // The record the refilled class list selects, or none when the catalogue is empty.
  std::optional<std::size_t> RecordToSelect() const;
  // Delete Class on row `row` of `list`: removes that record and answers the class list the
  // command leaves (the same row stays selected while it exists). Nothing when `row` is invalid.
  std::optional<CClassList> DeleteClass(const CClassList& list, std::size_t row);

 private:
  std::vector<std::unique_ptr<CClassInfo>> m_pClasses;
  std::string m_strLastClass;
  CHeaderReader m_reader;
  CHeaderSource* m_source = nullptr;  // when set, read through instead of m_reader
  CRecordSink* m_sink = nullptr;
};

}  // namespace varnwick
