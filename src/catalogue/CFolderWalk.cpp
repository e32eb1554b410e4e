#include "CFolderWalk.h"

#include "AddDirectory.h"

namespace varnwick {

CFolderWalk::CFolderWalk(std::string_view folder, CFolderDepth depth)
    : m_walk(HeaderPattern(folder), kNativeSeparator == '/') {
  m_walk.Start(true, false, depth == CFolderDepth::kWithSubfolders, false);
}

bool CFolderWalk::Next(CWalkStep& step) {
  if (m_walk.Current().IsEmpty()) return false;
  step.kind = CWalkStep::kHeader;
  step.path = m_walk.Current().GetFull();
  // A file the search has just listed needs no second existence test.
  step.knowledge = m_walk.CurrentEntry().isRegularFile ? CPathKnowledge::kListedFileEntry : CPathKnowledge::kUnknown;
  m_walk.MoveNext();
  return true;
}

}  // namespace varnwick
