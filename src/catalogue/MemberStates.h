#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
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

// FindMemberState's answers for one grid, each found at once. A generator asks for every member
// of its class: a search of the whole grid each time made a header of 100,000 members take
// minutes.
class CMemberStateIndex {
 public:
  explicit CMemberStateIndex(const std::vector<CMemberRow>& rows);
  int Find(std::string_view name) const;

 private:
  struct CTextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  std::unordered_map<std::string, int, CTextHash, std::equal_to<>> m_states;
};

}  // namespace varnwick
