#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "CHeaderSource.h"
#include "CReadBuffer.h"
#include "HeaderFile.h"

namespace varnwick {

// Reads the classes of one header into new records, apart from any catalogue, so that a header
// can be read on one thread and its records added on another. Its read buffer serves header
// after header. One reader serves one thread.
class CHeaderReader : public CHeaderSource {
 public:
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) override;
  bool LastReadHadText() const override { return m_hadText; }

 private:
  CReadBuffer m_buffer;
  bool m_hadText = false;
};

}  // namespace varnwick
