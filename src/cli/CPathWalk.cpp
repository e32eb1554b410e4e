#include "CPathWalk.h"

#include "PathLoader.h"

namespace varnwick {

bool CPathWalk::Next(CWalkStep& step) {
  if (m_folder && m_folder->Next(step)) return true;
  m_folder.reset();
  if (m_next == m_paths.size()) return false;
  const std::string& next = m_paths[m_next++];
  if (ExistsAsFolder(next)) {
    m_folder = std::make_unique<CFolderSteps>(next, m_depth);
    return m_folder->Next(step);
  }
  step = {CWalkStep::kHeader, next, CPathKnowledge::kUnknown};
  return true;
}

}  // namespace varnwick
