#pragma once

#include <cstddef>
#include <vector>

#include "CClassInfo.h"
#include "CMemberRows.h"

namespace varnwick {

class CListBox;
class CMemberGridCtrl;

// Paints the shell's member rows: the member list, and the grid with the check states.
class CMemberViews {
 public:
  CMemberViews(CListBox& list, CMemberGridCtrl& grid) : m_list(list), m_grid(grid) {}

  // Refills both views. The grid's current row stays on its member while that member is shown,
  // as it does when the rows are sorted.
  void Show(const CMemberRows& rows);
  void ShowState(const CMemberRows& rows, std::size_t gridRow);

 private:
  CListBox& m_list;
  CMemberGridCtrl& m_grid;
  std::vector<const CMemberInfo*> m_gridMembers;  // the member on each grid row, as painted
};

}  // namespace varnwick
