#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>
#include <vector>

#include "CRecordSink.h"
#include "CTextBlock.h"

namespace varnwick {

// What `varnwick-cli classes` prints: one line per class in catalogue order, index, name, member
// count and file, tab-separated. It keeps the lines, not the classes, so a large tree is listed
// without holding all its records; the lines are written at the end, after any message of the load.
// The lines go into blocks of a fixed size rather than one growing text: a tree's listing runs to
// megabytes, and regrowing one text copies it again and again into freshly mapped pages.
class CClassListing : public CRecordSink {
 public:
  void Take(std::vector<std::unique_ptr<CClassInfo>> records) override;
  CMemberDetail MemberDetail() const override { return CMemberDetail::kCount; }
  void Write(std::ostream& out) const;

 private:
  // The block with room for at least `bytes` more.
  CTextBlock& BlockFor(std::size_t bytes);

  std::vector<CTextBlock> m_blocks;
  std::size_t m_count = 0;
};

}  // namespace varnwick
