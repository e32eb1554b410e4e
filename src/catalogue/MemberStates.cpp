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

CMemberStateIndex::CMemberStateIndex(const std::vector<CMemberRow>& rows) {
  m_states.reserve(rows.size());
  for (const CMemberRow& row : rows) m_states.emplace(row.name, row.state);  // the first row of a name wins
}

int CMemberStateIndex::Find(std::string_view name) const {
  const auto found = m_states.find(name);
  return found == m_states.end() ? kCheckGenerate : found->second;
}

}  // namespace varnwick
