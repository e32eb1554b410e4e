#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "CReadBuffer.h"
#include "HeaderFile.h"

namespace varnwick {

// Reads the classes of one header into new records. Its read buffer serves header after header,
// so a folder is read without an allocation per file.
class CHeaderReader {
 public:
  explicit CHeaderReader(CMemberDetail detail = CMemberDetail::kRecords) : m_detail(detail) {}
  void SetMemberDetail(CMemberDetail detail) { m_detail = detail; }

  // Every class of the header at `path`, in header order, each with m_strFile = path; none when
  // the file does not exist, cannot be read or holds no class head.
  // Throws CFileTooLarge for a header over the size limit.
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge);
  // Whether the last Read got the header's text, whatever it held: a header that yielded nothing
  // need not be opened again to learn why.
  bool LastReadHadText() const { return m_hadText; }

 private:
  CMemberDetail m_detail;
  CReadBuffer m_buffer;
  bool m_hadText = false;
};

}  // namespace varnwick
