#include "LineScan.h"

#include <array>
#include <bit>

#include "ByteChunk.h"

namespace varnwick {
namespace {

enum ByteKind : unsigned char { kPlain, kMarkChar, kSlash, kBlank };

constexpr std::array<unsigned char, 256> ByteTable() {
  std::array<unsigned char, 256> table{};
  for (unsigned char c : {'(', ':', '{', '}', '#'}) table[c] = kMarkChar;
  table['/'] = kSlash;
  table[' '] = kBlank;
  return table;
}

// Whether the blank at `blank` ends one of the keywords: each of them ends in a blank, and blanks
// are far rarer than the keywords' first letters.
bool EndsKeyword(std::string_view line, std::size_t blank) {
  const auto endsWith = [&](std::string_view word) {
    return blank >= word.size() && line.compare(blank - word.size(), word.size(), word) == 0;
  };
  switch (line[blank - 1]) {
    case 't': return endsWith("struct");
    case 'f': return endsWith("typedef");
    case 'm': return endsWith("enum");
    case 'n': return endsWith("return");
    default: return false;
  }
}

// The last letters of the keywords: most blanks follow none of them.
constexpr std::array<bool, 256> KeywordEndTable() {
  std::array<bool, 256> table{};
  for (unsigned char c : {'t', 'f', 'm', 'n'}) table[c] = true;
  return table;
}

inline void NoteBlank(std::string_view line, std::size_t blank, LineScan& scan) {
  static constexpr std::array<bool, 256> kKeywordEnd = KeywordEndTable();
  if (blank == 0 || scan.keywordBlank != std::string_view::npos) return;
  if (kKeywordEnd[static_cast<unsigned char>(line[blank - 1])] && EndsKeyword(line, blank)) scan.keywordBlank = blank;
}

}  // namespace

LineScan ScanLineBytes(std::string_view line) {
  static constexpr std::array<unsigned char, 256> kTable = ByteTable();
  LineScan scan;
  for (std::size_t i = 0; i < line.size(); ++i) {
    switch (kTable[static_cast<unsigned char>(line[i])]) {
      case kPlain: break;
      case kMarkChar: scan.markChar = true; break;
      case kSlash:
        if (i + 1 < line.size() && line[i + 1] == '/') {
          scan.comment = i;
          return scan;
        }
        break;
      case kBlank: NoteBlank(line, i, scan); break;
    }
  }
  return scan;
}

// Sixteen bytes at a time; the last chunk overlaps the one before it, with the bytes seen there
// masked out, so no byte past the line is ever read.
LineScan ScanLineChunks(std::string_view line) {
  LineScan scan;
  const char* data = line.data();
  for (std::size_t next = 0; next < line.size();) {
    const std::size_t at = next + 16 <= line.size() ? next : line.size() - 16;
    const unsigned seen = (1u << (next - at)) - 1;
    const CByteChunk chunk(data + at);
    const unsigned slashes = chunk.Mask('/') & ~seen;
    unsigned pairs = slashes & (slashes >> 1);
    if ((slashes & 0x8000u) != 0 && at + 16 < line.size() && data[at + 16] == '/') pairs |= 0x8000u;
    const unsigned before = (pairs != 0 ? (pairs & (0u - pairs)) - 1 : 0xFFFFu) & ~seen;
    // Once a mark is known, only the comment is still looked for.
    if (!scan.markChar && scan.keywordBlank == std::string_view::npos) {
      if ((chunk.Mask('(', ':', '{', '}', '#') & before) != 0) scan.markChar = true;
      // Only a blank after the last letter of a keyword can end one; the byte before the chunk's
      // first byte is looked at by NoteBlank.
      const unsigned blanks = chunk.Mask(' ');
      // The last letters of the keywords.
      const unsigned endings = (chunk.Mask('t', 'f', 'm', 'n') << 1) | 1u;
      for (unsigned ends = blanks & endings & before; ends != 0 && !scan.markChar; ends &= ends - 1) {
        NoteBlank(line, at + static_cast<std::size_t>(std::countr_zero(ends)), scan);
      }
    }
    if (pairs != 0) {
      scan.comment = at + static_cast<std::size_t>(std::countr_zero(pairs));
      return scan;
    }
    next = at + 16;
  }
  return scan;
}

LineScan ScanLine(std::string_view line) {
  if (CByteChunk::kVector && line.size() >= CByteChunk::kBytes) return ScanLineChunks(line);
  return ScanLineBytes(line);
}

}  // namespace varnwick
