#include "CCatalogue.h"

#include <algorithm>

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
  m_lastFileHadText = m_lastFileReplaced = false;
  m_lastFileClasses = 0;
  std::vector<std::unique_ptr<CClassInfo>> found = Source().Read(path, knowledge);
  m_lastFileHadText = Source().LastReadHadText();
  m_lastFileClasses = found.size();
  if (found.empty()) return false;
  m_strLastClass = found.front()->m_strName;
  if (m_sink != nullptr) {
    m_sink->Take(std::move(found));
  } else if (const std::optional<std::size_t> load = FindLoad(path);
             load && m_repeatedHeader == CRepeatedHeader::kReplace) {
    Replace(*load, std::move(found));
    m_lastFileReplaced = true;
  } else {
    Append(std::move(found), path);
  }
  return true;
}

void CCatalogue::Append(std::vector<std::unique_ptr<CClassInfo>> records, const std::string& path) {
  CLoad load{path, {}, m_currentFolder};
  for (const auto& record : records) load.names.push_back(record->m_strName);
  m_loads.push_back(std::move(load));
  m_loadByPath[path] = m_loads.size() - 1;
  for (std::size_t i = 0; i < records.size(); ++i) m_entries.push_back({std::move(records[i]), m_loads.size() - 1, i});
}

// The header's classes as read now take the place of its first record still loaded; those the
// user deleted come back, since adding a header asks for all of it.
void CCatalogue::Replace(std::size_t load, std::vector<std::unique_ptr<CClassInfo>> records) {
  m_loads[load].names.clear();
  for (const auto& record : records) m_loads[load].names.push_back(record->m_strName);
  std::optional<std::size_t> place;
  std::vector<CEntry> kept;
  kept.reserve(m_entries.size() + records.size());
  for (CEntry& entry : m_entries) {
    if (entry.load != load) {
      kept.push_back(std::move(entry));
      continue;
    }
    if (place) continue;
    place = kept.size();
  }
  const auto at = kept.begin() + static_cast<std::ptrdiff_t>(place.value_or(kept.size()));
  std::vector<CEntry> fresh;
  for (std::size_t i = 0; i < records.size(); ++i) fresh.push_back({std::move(records[i]), load, i});
  kept.insert(at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  m_entries = std::move(kept);
}

std::optional<std::size_t> CCatalogue::FindLoad(const std::string& path) const {
  const auto found = m_loadByPath.find(path);
  if (found == m_loadByPath.end()) return std::nullopt;
  return found->second;
}

void CCatalogue::BeginFolder(const std::string& folder, CFolderDepth depth) {
  for (std::size_t i = 0; i < m_folders.size(); ++i) {
    if (m_folders[i].path == folder && m_folders[i].depth == depth) {
      m_currentFolder = i;
      m_currentFolderIsNew = false;
      return;
    }
  }
  m_folders.push_back({folder, depth});
  m_currentFolder = m_folders.size() - 1;
  m_currentFolderIsNew = true;
}

void CCatalogue::EndFolder(bool complete) {
  if (m_currentFolder == kNoFolder) return;
  if (!complete && m_currentFolderIsNew) {
    // Its headers read so far stay, as headers of no folder.
    for (CLoad& load : m_loads)
      if (load.folder == m_currentFolder) load.folder = kNoFolder;
    m_folders.pop_back();
  }
  m_currentFolder = kNoFolder;
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
  m_loadByPath.clear();
  m_folders.clear();
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
  bool unread = false;           // the reload was cancelled before this header
  std::vector<std::unique_ptr<CClassInfo>> records;
  CReloadMatch match;
  std::size_t nextKept = 0;      // the entry in match.kept of the load's next record
  std::size_t lastPosition = 0;  // where the load's gained classes follow
};

namespace {

bool IsCancelled(const CReadListener* listener) { return listener != nullptr && listener->IsCancelled(); }

}  // namespace

std::vector<CCatalogue::CReading> CCatalogue::ReadLoadsAgain(CReloadReport& report, CReadListener* listener) {
  std::vector<CReading> readings(m_loads.size());
  std::vector<std::vector<std::size_t>> loaded(m_loads.size());
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    loaded[m_entries[i].load].push_back(m_entries[i].place);
    readings[m_entries[i].load].lastPosition = i;
  }
  for (std::size_t load = 0; load < m_loads.size(); ++load) {
    if (loaded[load].empty()) continue;
    CReading& reading = readings[load];
    if (IsCancelled(listener)) {
      reading.unread = true;
      continue;
    }
    const std::string& path = m_loads[load].path;
    std::optional<CReloadCause> cause;
    try {
      reading.records = Source().Read(path, CPathKnowledge::kUnknown);
      if (reading.records.empty()) cause = Source().LastReadHadText() ? CReloadCause::kNoClass : CReloadCause::kGone;
    } catch (const CFileTooLarge&) {
      cause = CReloadCause::kTooLarge;
    }
    ++report.headersRead;
    if (listener != nullptr) listener->OnFileRead(path, !cause);
    if (cause) {
      reading.failed = true;
      report.problems.push_back({path, *cause});
      continue;
    }
    std::vector<std::string> fresh;
    for (const auto& record : reading.records) fresh.push_back(record->m_strName);
    reading.match = MatchReloadedClasses(loaded[load], m_loads[load].names, fresh);
    m_loads[load].names = std::move(fresh);
  }
  return readings;
}

std::vector<std::optional<std::size_t>> CCatalogue::KeepReadRecords(std::vector<CReading>& readings) {
  std::vector<CEntry> rebuilt;
  std::vector<std::optional<std::size_t>> origins;
  auto keep = [&](CEntry entry, std::optional<std::size_t> origin) {
    rebuilt.push_back(std::move(entry));
    origins.push_back(origin);
  };
  for (std::size_t i = 0; i < m_entries.size(); ++i) {
    const std::size_t load = m_entries[i].load;
    CReading& reading = readings[load];
    if (reading.unread) {
      keep(std::move(m_entries[i]), i);
      continue;
    }
    if (reading.failed) continue;
    if (const std::optional<std::size_t> fresh = reading.match.kept[reading.nextKept++])
      keep({std::move(reading.records[*fresh]), load, *fresh}, i);
    if (i != reading.lastPosition) continue;
    for (std::size_t gained : reading.match.gained)
      keep({std::move(reading.records[gained]), load, gained}, std::nullopt);
  }
  m_entries = std::move(rebuilt);
  return origins;
}

std::vector<CCatalogue::CNewHeader> CCatalogue::ReadNewHeaders(CReloadReport& report, CReadListener* listener) {
  std::vector<CNewHeader> found;
  for (std::size_t folder = 0; folder < m_folders.size() && !IsCancelled(listener); ++folder) {
    const std::unique_ptr<CHeaderWalk> walk = Source().WalkFolder(m_folders[folder].path, m_folders[folder].depth);
    CWalkStep step;
    while (!IsCancelled(listener) && walk->Next(step)) {
      if (step.kind != CWalkStep::kHeader || FindLoad(step.path)) continue;
      CNewHeader header{folder, step.path, {}};
      try {
        header.records = Source().Read(step.path, step.knowledge);
      } catch (const CFileTooLarge&) {
        report.problems.push_back({step.path, CReloadCause::kTooLarge});
      }
      ++report.headersRead;
      if (listener != nullptr) listener->OnFileRead(step.path, !header.records.empty());
      if (!header.records.empty()) found.push_back(std::move(header));
    }
  }
  return found;
}

void CCatalogue::InsertNewHeaders(std::vector<CNewHeader> headers, std::vector<std::optional<std::size_t>>& origins) {
  for (CNewHeader& header : headers) {
    CLoad load{header.path, {}, header.folder};
    for (const auto& record : header.records) load.names.push_back(record->m_strName);
    m_loads.push_back(std::move(load));
    m_loadByPath[header.path] = m_loads.size() - 1;
    // After the folder's other classes, or at the end when none is left.
    std::size_t place = m_entries.size();
    while (place > 0 && m_loads[m_entries[place - 1].load].folder != header.folder) --place;
    if (place == 0) place = m_entries.size();
    const auto at = static_cast<std::ptrdiff_t>(place);
    std::vector<CEntry> entries;
    for (std::size_t i = 0; i < header.records.size(); ++i)
      entries.push_back({std::move(header.records[i]), m_loads.size() - 1, i});
    origins.insert(origins.begin() + at, entries.size(), std::nullopt);
    m_entries.insert(m_entries.begin() + at, std::make_move_iterator(entries.begin()),
                     std::make_move_iterator(entries.end()));
  }
}

CReloadReport CCatalogue::Reload(CReadListener* listener) {
  CReloadReport report;
  report.newPositions.resize(m_entries.size());
  // Everything is read before any record changes: a listener that lets the window paint finds the
  // catalogue as it was.
  std::vector<CReading> readings = ReadLoadsAgain(report, listener);
  std::vector<CNewHeader> newHeaders = ReadNewHeaders(report, listener);
  report.newHeaders = newHeaders.size();
  // A header that failed is forgotten: should it come back, a folder's walk finds it as new.
  for (std::size_t load = 0; load < readings.size(); ++load)
    if (readings[load].failed) m_loadByPath.erase(m_loads[load].path);
  std::vector<std::optional<std::size_t>> origins = KeepReadRecords(readings);
  InsertNewHeaders(std::move(newHeaders), origins);
  for (std::size_t position = 0; position < origins.size(); ++position)
    if (origins[position]) report.newPositions[*origins[position]] = position;
  report.cancelled = IsCancelled(listener);
  return report;
}

}  // namespace varnwick
