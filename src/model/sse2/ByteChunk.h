#pragma once

#include <emmintrin.h>

#include <cstddef>

namespace varnwick {

// Sixteen bytes of a text compared with a byte at once (SSE2, which every x86-64 processor has):
// one bit per byte in each mask, bit i for the byte at i.
class CByteChunk {
 public:
  static constexpr std::size_t kBytes = 16;
  // Whether a scan pays for going chunk by chunk rather than byte by byte.
  static constexpr bool kVector = true;

  explicit CByteChunk(const char* at) : m_bytes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at))) {}

  // Where the bytes are any of `bytes`.
  template <class... Bytes>
  unsigned Mask(Bytes... bytes) const {
    __m128i found = _mm_setzero_si128();
    ((found = _mm_or_si128(found, _mm_cmpeq_epi8(m_bytes, _mm_set1_epi8(bytes)))), ...);
    return static_cast<unsigned>(_mm_movemask_epi8(found));
  }

 private:
  __m128i m_bytes;
};

}  // namespace varnwick
