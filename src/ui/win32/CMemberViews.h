#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "CMemberRows.h"

namespace varnwick {

class CMemberGridCtrl;

// The two views of the shown class's members, filled from the shell's member rows: the member
// list (1001) in generation order, and the grid with its check states.
class CMemberViews {
 public:
  CMemberViews(HWND memberList, CMemberGridCtrl& grid) : m_hList(memberList), m_grid(grid) {}

  void Show(const CMemberRows& rows);
  void ShowState(const CMemberRows& rows, std::size_t gridRow);

 private:
  const CMemberInfo* FocusedMember() const;

  HWND m_hList;
  CMemberGridCtrl& m_grid;
  std::vector<const CMemberInfo*> m_gridMembers;  // the member of each grid row
};

}  // namespace varnwick
