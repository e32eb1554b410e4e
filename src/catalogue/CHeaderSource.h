#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CClassInfo.h"
#include "CFolderWalk.h"
#include "HeaderFile.h"

namespace varnwick {

// Where the catalogue gets the classes of a header it adds, and the headers of a folder it adds:
// read and listed there and then (CHeaderReader), or ahead on another thread (CReadAhead).
class CHeaderSource {
 public:
  virtual ~CHeaderSource() = default;
  // Every class of the header at `path`, in header order, each with m_strFile = path; none when
  // the file does not exist, cannot be read or holds no class head.
  // Throws CFileTooLarge for a header over the size limit.
  virtual std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) = 0;
  // Whether the last Read got the header's text, whatever it held: a header that yielded nothing
  // need not be opened again to learn why.
  virtual bool LastReadHadText() const = 0;
  // The headers of `folder`, in the order Add Directory reads them.
  virtual std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth depth) {
    return std::make_unique<CFolderWalk>(folder, depth);
  }
};

}  // namespace varnwick
