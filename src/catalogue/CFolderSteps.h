#pragma once

#include <string>
#include <string_view>

#include "CFolderWalk.h"

namespace varnwick {

// One folder's part of a load's walk: the folder's begin, its headers as Add Directory reads
// them, its end.
class CFolderSteps : public CHeaderWalk {
 public:
  CFolderSteps(std::string_view folder, CFolderDepth depth) : m_folder(folder), m_depth(depth), m_headers(folder, depth) {}
  bool Next(CWalkStep& step) override;

 private:
  enum Stage { kBegin, kHeaders, kEnd, kOver };

  std::string m_folder;
  CFolderDepth m_depth;
  CFolderWalk m_headers;
  Stage m_stage = kBegin;
};

}  // namespace varnwick
