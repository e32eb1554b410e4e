#include "CLineBytes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace varnwick {
namespace {

constexpr std::array<char, CLineBytes::kKinds> kBytes = {' ', '>', ',', '*', ')', ':'};

// The kind of each byte, or kKinds for a byte of no kind.
constexpr std::array<unsigned char, 256> KindTable() {
  std::array<unsigned char, 256> table{};
  table.fill(CLineBytes::kKinds);
  for (int kind = 0; kind < CLineBytes::kKinds; ++kind) table[static_cast<unsigned char>(kBytes[kind])] = kind;
  table['\t'] = CLineBytes::kBlankOrTab;
  return table;
}

}  // namespace

CLineBytes::CLineBytes(std::string_view line) : m_line(line) {
  if (line.size() > kIndexedBytes) return;
#if defined(__SSE2__)
  if (line.size() >= 16) {
    IndexChunks();
    m_indexed = true;
    return;
  }
#endif
  IndexShortLine();
  m_indexed = true;
}

void CLineBytes::IndexShortLine() {
  static constexpr std::array<unsigned char, 256> kTable = KindTable();
  for (std::size_t i = 0; i < m_line.size(); ++i) {
    const unsigned char kind = kTable[static_cast<unsigned char>(m_line[i])];
    if (kind != kKinds) m_masks[kind] |= std::uint64_t{1} << i;
  }
}

#if defined(__SSE2__)
// The last chunk overlaps the one before it rather than reading past the line; setting the bits
// of the overlap twice changes nothing.
void CLineBytes::IndexChunks() {
  const __m128i blank = _mm_set1_epi8(' ');
  const __m128i tab = _mm_set1_epi8('\t');
  const __m128i angle = _mm_set1_epi8('>');
  const __m128i comma = _mm_set1_epi8(',');
  const __m128i star = _mm_set1_epi8('*');
  const __m128i paren = _mm_set1_epi8(')');
  const __m128i colon = _mm_set1_epi8(':');
  std::array<std::uint64_t, kKinds> masks{};
  for (std::size_t next = 0; next < m_line.size(); next += 16) {
    const std::size_t at = next + 16 <= m_line.size() ? next : m_line.size() - 16;
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(m_line.data() + at));
    const auto bits = [at](__m128i found) {
      return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(found))} << at;
    };
    masks[kBlankOrTab] |= bits(_mm_or_si128(_mm_cmpeq_epi8(chunk, blank), _mm_cmpeq_epi8(chunk, tab)));
    masks[kAngle] |= bits(_mm_cmpeq_epi8(chunk, angle));
    masks[kComma] |= bits(_mm_cmpeq_epi8(chunk, comma));
    masks[kStar] |= bits(_mm_cmpeq_epi8(chunk, star));
    masks[kParen] |= bits(_mm_cmpeq_epi8(chunk, paren));
    masks[kColon] |= bits(_mm_cmpeq_epi8(chunk, colon));
  }
  m_masks = masks;
}
#else
void CLineBytes::IndexChunks() { IndexShortLine(); }
#endif

std::size_t CLineBytes::FindDirectly(std::string_view part, Kind kind) {
  if (kind != kBlankOrTab) return part.find(kBytes[kind]);
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] == ' ' || part[i] == '\t') return i;
  }
  return std::string_view::npos;
}

}  // namespace varnwick
