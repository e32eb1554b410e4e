#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CClassInfo.h"

namespace varnwick {

// One row of the member grid: the member's name and the check state the user left in it.
struct CMemberRow {
  std::string name;
  int state = kCheckGenerate;
};

// Grid rows for a class as the grid starts: one per member, in header order, in its shown state.
std::vector<CMemberRow> InitialMemberRows(const CClassInfo& record);

// The state of the first row named exactly `name`; 1 when no row shows that name.
int FindMemberState(const std::vector<CMemberRow>& rows, std::string_view name);

}  // namespace varnwick
