#pragma once

#include <string>

#include "HeaderFile.h"

namespace varnwick {

// Which folders Add Directory reads.
enum class CFolderDepth {
  kFolderOnly,      // the headers directly inside the folder
  kWithSubfolders,  // and those of every subfolder, never through a symbolic link
};

// One step of the headers a load reads, in the order it reads them: a header, or where the
// load's walk of a folder begins or ends.
struct CWalkStep {
  enum Kind { kHeader, kFolderBegin, kFolderEnd };
  Kind kind = kHeader;
  std::string path;  // the header, or the folder as the load names it
  CPathKnowledge knowledge = CPathKnowledge::kUnknown;
  CFolderDepth depth = CFolderDepth::kFolderOnly;  // of a folder's walk
};

class CHeaderWalk {
 public:
  virtual ~CHeaderWalk() = default;
  // The next step; false when there is none left.
  virtual bool Next(CWalkStep& step) = 0;
};

}  // namespace varnwick
