#include "CFolderSteps.h"

namespace varnwick {

bool CFolderSteps::Next(CWalkStep& step) {
  switch (m_stage) {
    case kBegin:
      m_stage = kHeaders;
      step = {CWalkStep::kFolderBegin, m_folder, CPathKnowledge::kUnknown, m_depth};
      return true;
    case kHeaders:
      if (m_headers.Next(step)) return true;
      m_stage = kEnd;
      [[fallthrough]];
    case kEnd:
      m_stage = kOver;
      step = {CWalkStep::kFolderEnd, m_folder, CPathKnowledge::kUnknown, m_depth};
      return true;
    case kOver:
      break;
  }
  return false;
}

}  // namespace varnwick
