#pragma once

#include <cstddef>
#include <vector>

#include "CClassInfo.h"
#include "MemberStates.h"

namespace varnwick {

// One grid row: a member with the check state the user left in it.
struct CGridRow {
  const CMemberInfo* member = nullptr;
  int state = kCheckGenerate;
};

// The two views of the shown class's members: the member list, in the order every generator walks
// the members, and the grid, in header order until the user sorts it, with the check states.
class CMemberRows {
 public:
  // Both views refilled with a class's members in their shown states; null changes nothing.
  void Show(const CClassInfo* record);
  void Clear();

  // The class the views show, or null.
  const CClassInfo* ShownClass() const { return m_pShown; }
  // The member list, row 0 first.
  const std::vector<const CMemberInfo*>& ListOrder() const { return m_listOrder; }
  // The grid, in the order it shows its rows.
  const std::vector<CGridRow>& Grid() const { return m_grid; }

  // The state cycle a click, a double-click or Space makes on a grid row: 0 -> 1 -> 2 -> 0.
  void ToggleState(std::size_t row);
  // Sorts the grid ascending by a column's text (0 the type, 1 the name), ignoring case; equal
  // texts keep their order. The states go with their rows.
  void SortBy(int column);
  // Each row's member name with its state, in grid order, as FindMemberState reads them.
  std::vector<CMemberRow> StateRows() const;

 private:
  const CClassInfo* m_pShown = nullptr;
  std::vector<const CMemberInfo*> m_listOrder;
  std::vector<CGridRow> m_grid;
};

}  // namespace varnwick
