#include "LogicalLineReader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace varnwick {

void CLogicalLineReader::Join(std::string_view line) {
  m_joined.assign(line);
  std::string_view next;
  // Both ends stay trimmed: the first line is, and each continuation is trimmed before it is
  // added. Trimming the whole joined text again would copy it once per line, which for a long
  // chain of continuation lines grows with the square of its length.
  while (!m_joined.empty() && m_joined.back() == ',' && ReadPhysical(next)) m_joined.append(CutComment(next));
  m_line = m_joined;
}

void CLogicalLineReader::LoadNewlines(std::size_t block) {
  m_maskBlock = block;
  m_newlines = 0;
  const char* bytes = m_text.data() + block;
  const std::size_t count = m_text.size() - block < 64 ? m_text.size() - block : 64;
#if defined(__SSE2__)
  if (count == 64) {
    const __m128i newline = _mm_set1_epi8('\n');
    for (int chunk = 0; chunk < 4; ++chunk) {
      const __m128i bytes16 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * chunk));
      const auto mask = static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes16, newline)));
      m_newlines |= std::uint64_t{mask} << (16 * chunk);
    }
    return;
  }
#endif
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] == '\n') m_newlines |= std::uint64_t{1} << i;
  }
}

}  // namespace varnwick
