#include "CMemberViews.h"

#include <algorithm>

#include "CMemberGridCtrl.h"

namespace varnwick {

const CMemberInfo* CMemberViews::FocusedMember() const {
  const int focused = ListView_GetNextItem(m_grid.Handle(), -1, LVNI_FOCUSED);
  if (focused < 0 || static_cast<std::size_t>(focused) >= m_gridMembers.size()) return nullptr;
  return m_gridMembers[static_cast<std::size_t>(focused)];
}

void CMemberViews::Show(const CMemberRows& rows) {
  // The focused row stays on its member when the rows are sorted.
  const CMemberInfo* focused = FocusedMember();
  SendMessageA(m_hList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(m_hList, LB_RESETCONTENT, 0, 0);
  for (const CMemberInfo* member : rows.ListOrder())
    SendMessageA(m_hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member->LineText().c_str()));
  SendMessageA(m_hList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_hList, nullptr, TRUE);

  SendMessageA(m_grid.Handle(), WM_SETREDRAW, FALSE, 0);
  m_grid.DeleteAllItems();
  m_gridMembers.clear();
  for (const CGridRow& shown : rows.Grid()) {
    m_grid.AppendRow(shown.member->m_strType, shown.member->m_strName, shown.member->IconIndex(), shown.state);
    m_gridMembers.push_back(shown.member);
  }
  const auto kept = std::find(m_gridMembers.begin(), m_gridMembers.end(), focused);
  if (focused != nullptr && kept != m_gridMembers.end())
    ListView_SetItemState(m_grid.Handle(), static_cast<int>(kept - m_gridMembers.begin()), LVIS_FOCUSED, LVIS_FOCUSED);
  SendMessageA(m_grid.Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_grid.Handle(), nullptr, TRUE);
}

void CMemberViews::ShowState(const CMemberRows& rows, std::size_t gridRow) {
  if (gridRow >= rows.Grid().size()) return;
  m_grid.SetCheckState(static_cast<int>(gridRow), rows.Grid()[gridRow].state);
}

}  // namespace varnwick
