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
  explicit CPathWalk(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
  bool Next(CWalkStep& step) override;

 private:
  std::vector<std::string> m_paths;
  std::size_t m_next = 0;                 // the next path to start
  std::unique_ptr<CFolderSteps> m_folder;  // the folder being walked
};

}  // namespace varnwick
