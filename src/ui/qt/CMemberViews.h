#pragma once

#include <string>
#include <vector>

#include "CClassInfo.h"
#include "MemberStates.h"

namespace varnwick {

class CListBox;
class CMemberGridCtrl;

// The two views of one class's members: the member list, sorted as every generator walks the
// members, and the grid, in header order, with the check states the user sets.
class CMemberViews {
 public:
  CMemberViews(CListBox& list, CMemberGridCtrl& grid) : m_list(list), m_grid(grid) {}

  // Refills both views with a class's members in their shown states; null changes nothing.
  void Show(const CClassInfo* record);
  void Clear();
  // The class the views show, or null.
  const CClassInfo* ShownClass() const { return m_pShown; }
  std::vector<const CMemberInfo*> MembersInListOrder() const;
  std::vector<CMemberRow> GridRows() const;

 private:
  CListBox& m_list;
  CMemberGridCtrl& m_grid;
  const CClassInfo* m_pShown = nullptr;
};

}  // namespace varnwick
