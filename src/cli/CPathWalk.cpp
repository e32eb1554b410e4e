#include "CPathWalk.h"

#include "PathLoader.h"

namespace varnwick {

bool CPathWalk::Next(std::string& path, CPathKnowledge& knowledge) {
  for (;;) {
    if (m_folder && m_folder->Next(path, knowledge)) return true;
    m_folder.reset();
    if (m_next == m_paths.size()) return false;
    const std::string& next = m_paths[m_next++];
    if (IsFolder(next)) {
      m_folder = std::make_unique<CFolderWalk>(next);
      continue;
    }
    path = next;
    knowledge = CPathKnowledge::kUnknown;
    return true;
  }
}

}  // namespace varnwick
