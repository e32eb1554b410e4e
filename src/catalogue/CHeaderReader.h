#pragma once

#include <memory>
#include <string>
#include <string_view>
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
  explicit CHeaderReader(CMemberDetail detail = CMemberDetail::kRecords) : m_detail(detail) {}
  void SetMemberDetail(CMemberDetail detail) { m_detail = detail; }
  // Room for the largest header at once, for a reader that reads header after header: its buffer
  // is then never regrown and copied part way through a tree. The system maps the room's pages
  // only as reads reach them, so small headers cost no more memory.
  void MakeRoomForLargest() { m_buffer.Room(kMaxHeaderBytes + 1); }

  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) override;
  // Every class of a header's text, in header order, each with m_strFile = path: what Read finds
  // once it has the text, for a source that holds its headers elsewhere.
  static std::vector<std::unique_ptr<CClassInfo>> ClassesOfText(std::string_view text, const std::string& path,
                                                                CMemberDetail detail);
  bool LastReadHadText() const override { return m_hadText; }

 private:
  CMemberDetail m_detail;
  CReadBuffer m_buffer;
  bool m_hadText = false;
};

}  // namespace varnwick
