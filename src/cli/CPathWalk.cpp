#include "CPathWalk.h"

#include "PathLoader.h"

namespace varnwick {

bool CPathWalk::Next(CWalkStep& step) {
  if (m_folder) {
    if (m_folder->Next(step)) return true;
    m_folder.reset();
    step = {CWalkStep::kFolderEnd, m_paths[m_next - 1], CPathKnowledge::kUnknown};
    return true;
  }
  if (m_next == m_paths.size()) return false;
  const std::string& next = m_paths[m_next++];
  if (IsFolder(next)) {
    m_folder = std::make_unique<CFolderWalk>(next);
    step = {CWalkStep::kFolderBegin, next, CPathKnowledge::kUnknown};
    return true;
  }
  step = {CWalkStep::kHeader, next, CPathKnowledge::kUnknown};
  return true;
}

}  // namespace varnwick
