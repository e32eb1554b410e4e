#pragma once

#include <memory>
#include <vector>

#include "CClassInfo.h"

namespace varnwick {

// Takes the classes a catalogue adds, header by header, in place of the catalogue's own list: for
// a caller that looks at each class once, as it arrives, and need not hold a whole tree's records.
class CRecordSink {
 public:
  virtual ~CRecordSink() = default;
  virtual void Take(std::vector<std::unique_ptr<CClassInfo>> records) = 0;
  // How much of the members the sink looks at.
  virtual CMemberDetail MemberDetail() const { return CMemberDetail::kRecords; }
};

}  // namespace varnwick
