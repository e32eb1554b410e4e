#include "CCatalogue.h"

#include <algorithm>
#include <numeric>
#include <set>

#include "HeaderFile.h"
#include "ListOrder.h"
#include "ReloadMatch.h"

namespace varnwick {

bool CClassList::SelectRecord(std::size_t record) {
  const auto row = std::find(rows.begin(), rows.end(), record);
  if (row == rows.end()) return false;
  selectedRow = static_cast<std::size_t>(row - rows.begin());
  return true;
}

std::vector<std::unique_ptr<CClassInfo>> ReadClasses(const std::string& path) {
  CHeaderReader reader;
  return reader.Read(path, CPathKnowledge::kUnknown);
}

bool CCatalogue::AddFile(const std::string& path, CPathKnowledge knowledge) {
  // Records are collected first so that a failure part-way leaves the catalogue as it was.
  m_lastFileHadText = false;
  std::vector<std::unique_ptr<CClassInfo>> found = Source().Read(path, knowledge);
  m_lastFileHadText = Source().LastReadHadText();
  if (found.empty()) return false;
  m_strLastClass = found.front()->m_strName;
  if (m_sink != nullptr) {
    m_sink->Take(std::move(found));
  } else {
    Append(std::move(found), path);
  }
  return true;
}

void CCatalogue::Append(std::vector<std::unique_ptr<CClassInfo>> records, const std::string& path) {
  CLoad load{path, {}};
  for (const auto& record : records) load.names.push_back(record->m_strName);
  m_loads.push_back(std::move(load));
  for (auto& record : records) m_entries.push_back({std::move(record), m_loads.size() - 1});
}

std::optional<std::size_t> CCatalogue::FindClassPosition(const CClassInfo& record) const {
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (m_entries[i].record.get() == &record) return i;
  }
  return std::nullopt;
}

void CCatalogue::Delete(std::size_t position) {
  if (position < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(position));
}

void CCatalogue::DeleteAll() {
  while (!m_entries.empty()) m_entries.pop_back();
  m_loads.clear();
}

CClassList CCatalogue::SortedClassList(const CClassFilter& filter) const {
  CClassList list;
  for (std::size_t i = 0; i < m_entries.size(); ++i)
    if (filter.Shows(At(i).m_strName)) list.rows.push_back(i);
  std::stable_sort(list.rows.begin(), list.rows.end(), [this](std::size_t a, std::size_t b) {
    return CompareListText(At(a).m_strName, At(b).m_strName) < 0;
  });
  if (const std::optional<std::size_t> record = RecordToSelect(filter)) list.SelectRecord(*record);
  return list;
}

std::optional<std::size_t> CCatalogue::RecordToSelect(const CClassFilter& filter) const {
  if (filter.Shows(m_strLastClass)) {
    for (std::size_t i = m_entries.size(); i-- > 0;)
      if (At(i).m_strName == m_strLastClass) return i;
  }
  // No shown record of that name: the first row of the sorted list.
  std::optional<std::size_t> first;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    if (!filter.Shows(At(i).m_strName)) continue;
    if (!first || CompareListText(At(i).m_strName, At(*first).m_strName) < 0) first = i;
  }
  return first;
}

std::optional<CClassList> CCatalogue::DeleteClass(const CClassList& list, std::size_t row, const CClassFilter& filter) {
  if (row >= list.rows.size()) return std::nullopt;
  const std::size_t record = list.rows[row];
  if (record >= m_entries.size()) return std::nullopt;
  const std::optional<std::size_t> position = FindClassPosition(At(record));
  if (!position) return std::nullopt;
  Delete(*position);
  CClassList refilled = SortedClassList(filter);
  if (row < refilled.rows.size()) refilled.selectedRow = row;
  return refilled;
}

// ---- Reload ----------------------------------------------------------------------------------

struct CCatalogue::CReading {
  bool failed = false;
  std::vector<std::unique_ptr<CClassInfo>> records;
  CReloadMatch match;
  std::size_t nextKept = 0;      // the entry in match.kept of the load's next record
  std::size_t lastPosition = 0;  // where the load's gained classes follow
};

std::vector<CCatalogue::CReading> CCatalogue::ReadLoadsAgain(CReloadReport& report) {
  std::vector<CReading> readings(m_loads.size());
  std::vector<std::vector<std::string>> loaded(m_loads.size());
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    loaded[m_entries[i].load].push_back(At(i).m_strName);
    readings[m_entries[i].load].lastPosition = i;
  }
  // A header loaded twice is read for each load, but reported once.
  std::set<std::string> reported;
  for (std::size_t load = 0; load < m_loads.size(); ++load) {
    if (loaded[load].empty()) continue;
    CReading& reading = readings[load];
    const std::string& path = m_loads[load].path;
    bool tooLarge = false;
    try {
      reading.records = ReadClasses(path);
    } catch (const CFileTooLarge&) {
      tooLarge = true;
    }
    if (reading.records.empty()) {
      reading.failed = true;
      if (reported.insert(path).second) report.problems.push_back({path, tooLarge});
      continue;
    }
    std::vector<std::string> fresh;
    for (const auto& record : reading.records) fresh.push_back(record->m_strName);
    reading.match = MatchReloadedClasses(loaded[load], m_loads[load].names, fresh);
    m_loads[load].names = std::move(fresh);
  }
  return readings;
}

CReloadReport CCatalogue::Reload() {
  CReloadReport report;
  report.newPositions.resize(m_entries.size());
  std::vector<CReading> readings = ReadLoadsAgain(report);
  std::vector<CEntry> rebuilt;
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    const std::size_t load = m_entries[i].load;
    CReading& reading = readings[load];
    if (reading.failed) continue;
    if (const std::optional<std::size_t> fresh = reading.match.kept[reading.nextKept++]) {
      report.newPositions[i] = rebuilt.size();
      rebuilt.push_back({std::move(reading.records[*fresh]), load});
    }
    if (i != reading.lastPosition) continue;
    for (std::size_t gained : reading.match.gained) rebuilt.push_back({std::move(reading.records[gained]), load});
  }
  m_entries = std::move(rebuilt);
  return report;
}

}  // namespace varnwick
