#include "CMemberViews.h"

#include <algorithm>

#include "CListBox.h"
#include "CMemberGridCtrl.h"
#include "UiText.h"

namespace varnwick {

void CMemberViews::Show(const CMemberRows& rows) {
  // The current row stays on its member when the rows are sorted.
  const int current = m_grid.currentIndex().isValid() ? m_grid.currentIndex().row() : -1;
  const bool known = current >= 0 && static_cast<std::size_t>(current) < m_gridMembers.size();
  const CMemberInfo* currentMember = known ? m_gridMembers[static_cast<std::size_t>(current)] : nullptr;

  m_list.clear();
  for (const CMemberInfo* member : rows.ListOrder()) m_list.AddRecord(ToQString(member->LineText()), member);
  m_grid.DeleteAllItems();
  m_gridMembers.clear();
  for (const CGridRow& shown : rows.Grid()) {
    const int row = m_grid.AppendRow(shown.member->m_strType, shown.member->IconIndex());
    m_grid.SetItemText(row, 1, shown.member->m_strName);
    m_grid.SetCheckState(row, shown.state);
    m_gridMembers.push_back(shown.member);
  }
  const auto kept = std::find(m_gridMembers.begin(), m_gridMembers.end(), currentMember);
  if (currentMember != nullptr && kept != m_gridMembers.end())
    m_grid.setCurrentItem(m_grid.topLevelItem(static_cast<int>(kept - m_gridMembers.begin())));
}

void CMemberViews::ShowState(const CMemberRows& rows, std::size_t gridRow) {
  if (gridRow >= rows.Grid().size()) return;
  m_grid.SetCheckState(static_cast<int>(gridRow), rows.Grid()[gridRow].state);
}

}  // namespace varnwick
