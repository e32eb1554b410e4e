#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "CRecordSink.h"

namespace varnwick {

// What `varnwick-cli classes` prints: one line per class in catalogue order, index, name, member
// count and file, tab-separated. It keeps the lines, not the classes, so a large tree is listed
// without holding all its records; the lines are written at the end, after any message of the load.
class CClassListing : public CRecordSink {
 public:
  void Take(std::vector<std::unique_ptr<CClassInfo>> records) override;
  CMemberDetail MemberDetail() const override { return CMemberDetail::kCount; }
  void Write(std::ostream& out) const;

 private:
  std::string m_text;
  std::size_t m_count = 0;
};

}  // namespace varnwick
