#include "LogicalLineReader.h"

#include "ByteChunk.h"

namespace varnwick {

void CLogicalLineReader::Join(std::string_view line) {
  m_joinedStart = m_lastPhysicalStart;
  m_joined.assign(line);
  std::string_view next;
  // Both ends stay trimmed: the first line is, and each continuation is trimmed before it is
  // added. Trimming the whole joined text again would copy it once per line, which for a long
  // chain of continuation lines grows with the square of its length.
  while (!m_joined.empty() && m_joined.back() == ',' && ReadPhysical(next)) m_joined.append(CutComment(next));
  m_line = m_joined;
}

std::uint64_t NewlineBitsByBytes(const char* bytes, std::size_t count) {
  std::uint64_t newlines = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] == '\n') newlines |= std::uint64_t{1} << i;
  }
  return newlines;
}

std::uint64_t NewlineBitsByChunks(const char* bytes) {
  std::uint64_t newlines = 0;
  for (std::size_t chunk = 0; chunk < 64; chunk += CByteChunk::kBytes) {
    newlines |= std::uint64_t{CByteChunk(bytes + chunk).Mask('\n')} << chunk;
  }
  return newlines;
}

void CLogicalLineReader::LoadNewlines(std::size_t block) {
  m_maskBlock = block;
  const char* bytes = m_text.data() + block;
  const std::size_t count = m_text.size() - block < 64 ? m_text.size() - block : 64;
  m_newlines = CByteChunk::kVector && count == 64 ? NewlineBitsByChunks(bytes) : NewlineBitsByBytes(bytes, count);
}

}  // namespace varnwick
