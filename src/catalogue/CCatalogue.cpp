#include "CCatalogue.h"

#include <algorithm>
#include <numeric>

#include "ListOrder.h"

namespace varnwick {

bool CCatalogue::AddFile(const std::string& path, CPathKnowledge knowledge) {
  // Records are collected first so that a failure part-way leaves the catalogue as it was.
  CHeaderSource& source = m_source != nullptr ? *m_source : m_reader;
  return Append(source.Read(path, knowledge));
}

bool CCatalogue::Append(std::vector<std::unique_ptr<CClassInfo>> records) {
  if (records.empty()) return false;
  m_strLastClass = records.front()->m_strName;
  if (m_sink != nullptr) {
    m_sink->Take(std::move(records));
    return true;
  }
  for (auto& record : records) m_pClasses.push_back(std::move(record));
  return true;
}

std::optional<std::size_t> CCatalogue::FindClassPosition(const CClassInfo& record) const {
  for (std::size_t i = 0; i < m_pClasses.size(); ++i) {
    if (m_pClasses[i].get() == &record) return i;
  }
  return std::nullopt;
}

void CCatalogue::Delete(std::size_t position) {
  if (position < m_pClasses.size()) m_pClasses.erase(m_pClasses.begin() + static_cast<std::ptrdiff_t>(position));
}

void CCatalogue::DeleteAll() {
  while (!m_pClasses.empty()) m_pClasses.pop_back();
}

CClassList CCatalogue::FillClassList() const {
  CClassList list;
  list.rows.resize(m_pClasses.size());
  std::iota(list.rows.begin(), list.rows.end(), std::size_t{0});
  std::stable_sort(list.rows.begin(), list.rows.end(), [this](std::size_t a, std::size_t b) {
    return CompareListText(m_pClasses[a]->m_strName, m_pClasses[b]->m_strName) < 0;
  });
  const std::optional<std::size_t> record = RecordToSelect();
  if (record) {
    const auto row = std::find(list.rows.begin(), list.rows.end(), *record);
    list.selectedRow = static_cast<std::size_t>(row - list.rows.begin());
  }
  return list;
}

std::optional<std::size_t> CCatalogue::RecordToSelect() const {
  if (m_pClasses.empty()) return std::nullopt;
  for (std::size_t i = m_pClasses.size(); i-- > 0;) {
    if (m_pClasses[i]->m_strName == m_strLastClass) return i;
  }
  // No record of that name: the first row of the sorted list.
  std::size_t first = 0;
  for (std::size_t i = 1; i < m_pClasses.size(); ++i) {
    if (CompareListText(m_pClasses[i]->m_strName, m_pClasses[first]->m_strName) < 0) first = i;
  }
  return first;
}

std::optional<CClassList> CCatalogue::DeleteClass(const CClassList& list, std::size_t row) {
  if (row >= list.rows.size()) return std::nullopt;
  const std::size_t record = list.rows[row];
  if (record >= m_pClasses.size()) return std::nullopt;
  const std::optional<std::size_t> position = FindClassPosition(*m_pClasses[record]);
  if (!position) return std::nullopt;
  Delete(*position);
  CClassList refilled = FillClassList();
  if (row < refilled.rows.size()) refilled.selectedRow = row;
  return refilled;
}

}  // namespace varnwick
