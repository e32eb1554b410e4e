#include "CMemberViews.h"

#include "CListBox.h"
#include "CMemberGridCtrl.h"
#include "ListOrder.h"
#include "UiText.h"

namespace varnwick {

void CMemberViews::Show(const CClassInfo* record) {
  if (record == nullptr) return;
  Clear();
  for (const CMemberInfo* member : MemberListOrder(*record)) m_list.AddRecord(ToQString(member->LineText()), member);
  for (const auto& member : record->m_pMembers) {
    const int row = m_grid.AppendRow(member->m_strType, member->IconIndex());
    m_grid.SetItemText(row, 1, member->m_strName);
    m_grid.SetCheckState(row, member->ShownCheckState());
  }
  m_pShown = record;
}

void CMemberViews::Clear() {
  m_list.clear();
  m_grid.DeleteAllItems();
  m_pShown = nullptr;
}

std::vector<const CMemberInfo*> CMemberViews::MembersInListOrder() const {
  std::vector<const CMemberInfo*> members;
  members.reserve(static_cast<std::size_t>(m_list.count()));
  for (int row = 0; row < m_list.count(); ++row) members.push_back(RecordOf<const CMemberInfo>(m_list.item(row)));
  return members;
}

std::vector<CMemberRow> CMemberViews::GridRows() const { return m_grid.MemberRows(); }

}  // namespace varnwick
