#include "MemberStates.h"

namespace varnwick {

std::vector<CMemberRow> InitialMemberRows(const CClassInfo& record) {
  std::vector<CMemberRow> rows;
  rows.reserve(record.m_pMembers.size());
  for (const auto& member : record.m_pMembers) {
    rows.push_back({member->m_strName, member->ShownCheckState()});
  }
  return rows;
}

int FindMemberState(const std::vector<CMemberRow>& rows, std::string_view name) {
  for (const CMemberRow& row : rows) {
    if (row.name == name) return row.state;
  }
  return kCheckGenerate;
}

}  // namespace varnwick
