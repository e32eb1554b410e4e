#include "CFolderWalk.h"

#include "AddDirectory.h"

namespace varnwick {

CFolderWalk::CFolderWalk(std::string_view folder) : m_walk(HeaderPattern(folder), kNativeSeparator == '/') {
  m_walk.Start(true, false, false, false);
}

bool CFolderWalk::Next(std::string& path, CPathKnowledge& knowledge) {
  if (m_walk.Current().IsEmpty()) return false;
  path = m_walk.Current().GetFull();
  // A file the search has just listed needs no second existence test.
  knowledge = m_walk.CurrentEntry().isRegularFile ? CPathKnowledge::kListedFileEntry : CPathKnowledge::kUnknown;
  m_walk.Advance();
  return true;
}

}  // namespace varnwick
