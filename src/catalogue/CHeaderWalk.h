#pragma once

#include <string>

#include "HeaderFile.h"

namespace varnwick {

// One step of the headers a load reads, in the order it reads them: a header, or where the
// load's walk of a folder begins or ends.
struct CWalkStep {
  enum Kind { kHeader, kFolderBegin, kFolderEnd };
  Kind kind = kHeader;
  std::string path;  // the header, or the folder as the load names it
  CPathKnowledge knowledge = CPathKnowledge::kUnknown;
};

class CHeaderWalk {
 public:
  virtual ~CHeaderWalk() = default;
  // The next step; false when there is none left.
  virtual bool Next(CWalkStep& step) = 0;
};

}  // namespace varnwick
