#pragma once

#include <string_view>

#include "CHeaderWalk.h"
#include "CUNCIterator.h"

namespace varnwick {

// The "*.h" files of a folder in the order Add Directory reads them, one header at a time.
class CFolderWalk : public CHeaderWalk {
 public:
  explicit CFolderWalk(std::string_view folder, CFolderDepth depth = CFolderDepth::kFolderOnly);
  CFolderWalk(const CFolderWalk&) = delete;
  CFolderWalk& operator=(const CFolderWalk&) = delete;

  bool Next(CWalkStep& step) override;

 private:
  CUNCIterator m_walk;
};

}  // namespace varnwick
