#include "CMemberRows.h"

#include <algorithm>

#include "ListOrder.h"

namespace varnwick {

void CMemberRows::Show(const CClassInfo* record) {
  if (record == nullptr) return;
  m_listOrder = MemberListOrder(*record);
  m_grid.clear();
  m_grid.reserve(record->m_pMembers.size());
  for (const auto& member : record->m_pMembers) m_grid.push_back({member.get(), member->ShownCheckState()});
  m_pShown = record;
}

void CMemberRows::Clear() {
  m_listOrder.clear();
  m_grid.clear();
  m_pShown = nullptr;
}

void CMemberRows::ToggleState(std::size_t row) {
  if (row < m_grid.size()) m_grid[row].state = (m_grid[row].state + 1) % 3;
}

void CMemberRows::SortBy(int column) {
  if (column != 0 && column != 1) return;
  const auto text = [column](const CGridRow& row) -> const std::string& {
    return column == 0 ? row.member->m_strType : row.member->m_strName;
  };
  std::stable_sort(m_grid.begin(), m_grid.end(),
                   [&text](const CGridRow& a, const CGridRow& b) { return CompareListText(text(a), text(b)) < 0; });
}

std::vector<CMemberRow> CMemberRows::StateRows() const {
  std::vector<CMemberRow> rows;
  rows.reserve(m_grid.size());
  for (const CGridRow& row : m_grid) rows.push_back({row.member->m_strName, row.state});
  return rows;
}

}  // namespace varnwick
