#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "CReadBuffer.h"
#include "HeaderFile.h"

namespace varnwick {

// Reads the classes of one header into new records, apart from any catalogue, so that a header
// can be read on one thread and its records added on another. Its read buffer serves header
// after header. One reader serves one thread.
class CHeaderReader {
 public:
  // Every class of the header at `path`, in header order, each with m_strFile = path; none when
  // the file does not exist, cannot be read or holds no class head.
  // Throws CFileTooLarge for a header over the size limit.
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path,
                                                CPathKnowledge knowledge = CPathKnowledge::kUnknown);

 private:
  CReadBuffer m_buffer;
};

}  // namespace varnwick
