#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "CFolderSteps.h"
#include "CHeaderWalk.h"

namespace varnwick {

// The headers that loading `paths` reads, in the order LoadPaths reads them: a folder's headers
// as Add Directory walks them, between the folder's begin and end, any other path as one header.
class CPathWalk : public CHeaderWalk {
 public:
  CPathWalk(std::vector<std::string> paths, CFolderDepth depth) : m_paths(std::move(paths)), m_depth(depth) {}
  bool Next(CWalkStep& step) override;

 private:
  std::vector<std::string> m_paths;
  CFolderDepth m_depth;
  std::size_t m_next = 0;                  // the next path to start
  std::unique_ptr<CFolderSteps> m_folder;  // the folder being walked
};

}  // namespace varnwick
