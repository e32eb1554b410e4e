#include "CLineBytes.h"

#include "ByteChunk.h"

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

CLineBytes::CLineBytes(std::string_view line, Indexing indexing) : m_line(line) {
  if (line.size() > kIndexedBytes) return;
  const bool chunks = indexing == Indexing::kChosen ? CByteChunk::kVector : indexing == Indexing::kByChunks;
  if (chunks && line.size() >= CByteChunk::kBytes) {
    IndexChunks();
  } else {
    IndexShortLine();
  }
  m_indexed = true;
}

void CLineBytes::IndexShortLine() {
  static constexpr std::array<unsigned char, 256> kTable = KindTable();
  for (std::size_t i = 0; i < m_line.size(); ++i) {
    const unsigned char kind = kTable[static_cast<unsigned char>(m_line[i])];
    if (kind != kKinds) m_masks[kind] |= std::uint64_t{1} << i;
  }
}

// The last chunk overlaps the one before it rather than reading past the line; setting the bits
// of the overlap twice changes nothing.
void CLineBytes::IndexChunks() {
  std::array<std::uint64_t, kKinds> masks{};
  for (std::size_t next = 0; next < m_line.size(); next += CByteChunk::kBytes) {
    const std::size_t at = next + CByteChunk::kBytes <= m_line.size() ? next : m_line.size() - CByteChunk::kBytes;
    const CByteChunk chunk(m_line.data() + at);
    const auto bits = [at](unsigned found) { return std::uint64_t{found} << at; };
    masks[kBlankOrTab] |= bits(chunk.Mask(' ', '\t'));
    masks[kAngle] |= bits(chunk.Mask('>'));
    masks[kComma] |= bits(chunk.Mask(','));
    masks[kStar] |= bits(chunk.Mask('*'));
    masks[kParen] |= bits(chunk.Mask(')'));
    masks[kColon] |= bits(chunk.Mask(':'));
  }
  m_masks = masks;
}

std::size_t CLineBytes::FindDirectly(std::string_view part, Kind kind) {
  if (kind != kBlankOrTab) return part.find(kBytes[kind]);
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] == ' ' || part[i] == '\t') return i;
  }
  return std::string_view::npos;
}

}  // namespace varnwick
