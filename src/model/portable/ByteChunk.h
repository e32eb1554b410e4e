#pragma once

#include <cstddef>

namespace varnwick {

// Sixteen bytes of a text compared with a byte, one at a time: for processors the build has no
// vector compare for. Gives the masks the vector one gives, bit i for the byte at i, so that the
// chunk scans stay correct (and tested) everywhere; kVector keeps the scans byte by byte here.
class CByteChunk {
 public:
  static constexpr std::size_t kBytes = 16;
  static constexpr bool kVector = false;

  explicit CByteChunk(const char* at) : m_at(at) {}

  template <class... Bytes>
  unsigned Mask(Bytes... bytes) const {
    unsigned found = 0;
    for (std::size_t i = 0; i < kBytes; ++i) {
      if (((m_at[i] == bytes) || ...)) found |= 1u << i;
    }
    return found;
  }

 private:
  const char* m_at;
};

}  // namespace varnwick
