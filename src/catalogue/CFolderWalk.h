#pragma once

#include <string>
#include <string_view>

#include "CUNCIterator.h"
#include "HeaderFile.h"

namespace varnwick {

// Which folders Add Directory reads.
enum class CFolderDepth {
  kFolderOnly,      // the headers directly inside the folder
  kWithSubfolders,  // and those of every subfolder, never through a symbolic link
};

// One header of a folder's walk.
struct CWalkStep {
  std::string path;
  CPathKnowledge knowledge = CPathKnowledge::kUnknown;
};

// The "*.h" files of a folder in the order Add Directory reads them, one header at a time.
class CFolderWalk {
 public:
  explicit CFolderWalk(std::string_view folder, CFolderDepth depth = CFolderDepth::kFolderOnly);
  CFolderWalk(const CFolderWalk&) = delete;
  CFolderWalk& operator=(const CFolderWalk&) = delete;

  // The next header; false when there is none left.
  bool Next(CWalkStep& step);

 private:
  CUNCIterator m_walk;
};

}  // namespace varnwick
