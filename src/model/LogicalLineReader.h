#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Text.h"

namespace varnwick {

// Where the "\n"s stand among `count` bytes (at most 64), one bit per byte: byte by byte, or, for
// 64 bytes, a chunk at a time. The two agree.
std::uint64_t NewlineBitsByBytes(const char* bytes, std::size_t count);
std::uint64_t NewlineBitsByChunks(const char* bytes);

// Cuts a header text into logical lines. A physical line ends at "\r\n" or at a lone "\n" and is
// trimmed; a line whose last character is "," is joined, with nothing between, to the following
// lines (each cut before "//" and trimmed) so a declaration spread over lines reads as one.
// The reader works on views: only joined lines are copied.
class CLogicalLineReader {
 public:
  explicit CLogicalLineReader(std::string_view text) : m_text(text) {}

  // Moves to the next logical line; false when the text is used up.
  bool Next() {
    std::string_view line;
    if (!ReadPhysical(line)) return false;
    if (line.empty() || line.back() != ',') {
      m_line = line;
      return true;
    }
    Join(line);
    return true;
  }
  // The current logical line, trimmed (may be empty).
  std::string_view Line() const { return m_line; }
  // Offset of the current line's last physical line in the text: where a parse that stops at
  // this line leaves the unread rest.
  std::size_t LastPhysicalStart() const { return m_lastPhysicalStart; }
  // Offset of the current line's first physical line in the text. Only joined lines note where
  // they began, so the lines read one at a time pay nothing for it.
  std::size_t FirstPhysicalStart() const {
    return !m_joined.empty() && m_line.data() == m_joined.data() ? m_joinedStart : m_lastPhysicalStart;
  }
  // The physical line after the current line, trimmed, without moving to it ("" at the end).
  // For the rare lines that need a look ahead (class heads): it searches for the line end itself.
  std::string_view PeekPhysical() const {
    if (m_done) return {};
    const std::size_t newline = m_text.find('\n', m_pos);
    return Trim(m_text.substr(m_pos, newline == std::string_view::npos ? std::string_view::npos : newline - m_pos));
  }

 private:
  // Reads the physical line at m_pos; false when no line is left.
  bool ReadPhysical(std::string_view& line) {
    if (m_done) return false;
    m_lastPhysicalStart = m_pos;
    const std::size_t newline = FindNewline(m_pos);
    if (newline == std::string_view::npos) {
      // The text's last line, ended by the line end the reader supposes after the text.
      line = Trim(m_text.substr(m_pos));
      m_pos = m_text.size();
      m_done = true;
      return true;
    }
    line = Trim(m_text.substr(m_pos, newline - m_pos));
    m_pos = newline + 1;
    return true;
  }
  // Joins `line`, which ends with ",", with the lines that follow it.
  void Join(std::string_view line);

  // The offset of the first "\n" at or after `from`, or npos. Line ends are looked up in blocks
  // of 64 bytes, one bit per byte, so a line costs a few bit operations instead of a search.
  std::size_t FindNewline(std::size_t from) {
    std::size_t block = from & ~std::size_t{63};
    if (block != m_maskBlock) LoadNewlines(block);
    std::uint64_t pending = m_newlines & (~std::uint64_t{0} << (from - block));
    while (pending == 0) {
      block += 64;
      if (block >= m_text.size()) return std::string_view::npos;
      LoadNewlines(block);
      pending = m_newlines;
    }
    return block + static_cast<std::size_t>(std::countr_zero(pending));
  }
  void LoadNewlines(std::size_t block);

  std::string_view m_text;
  std::size_t m_pos = 0;
  bool m_done = false;
  std::size_t m_lastPhysicalStart = 0;
  std::string_view m_line;
  std::string m_joined;
  std::size_t m_joinedStart = 0;  // where the line in m_joined began
  std::size_t m_maskBlock = std::string_view::npos;  // the block m_newlines describes
  std::uint64_t m_newlines = 0;
};

}  // namespace varnwick
