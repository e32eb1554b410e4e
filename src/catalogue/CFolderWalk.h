#pragma once

#include <string>
#include <string_view>

#include "CUNCIterator.h"
#include "HeaderFile.h"

namespace varnwick {

// The "*.h" files of a folder in the order Add Directory reads them, one at a time.
class CFolderWalk {
 public:
  explicit CFolderWalk(std::string_view folder);
  CFolderWalk(const CFolderWalk&) = delete;
  CFolderWalk& operator=(const CFolderWalk&) = delete;

  // The next header; false when the folder has no more.
  bool Next(std::string& path, CPathKnowledge& knowledge);

 private:
  CUNCIterator m_walk;
};

}  // namespace varnwick
