#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnwick {

// Cuts a header text into logical lines. A physical line ends at "\r\n" or at a lone "\n" and is
// trimmed; a line whose last character is "," is joined, with nothing between, to the following
// lines (each cut before "//" and trimmed) so a declaration spread over lines reads as one.
// The reader works on views: only joined lines are copied.
class CLogicalLineReader {
 public:
  explicit CLogicalLineReader(std::string_view text) : m_text(text) {}

  // Moves to the next logical line; false when the text is used up.
  bool Next();
  // The current logical line, trimmed (may be empty).
  std::string_view Line() const { return m_line; }
  // Offset of the current line's last physical line in the text: where a parse that stops at
  // this line leaves the unread rest.
  std::size_t LastPhysicalStart() const { return m_lastPhysicalStart; }

 private:
  // Reads the physical line at m_pos; false when no line is left.
  bool ReadPhysical(std::string_view& line);

  std::string_view m_text;
  std::size_t m_pos = 0;
  bool m_done = false;
  std::size_t m_lastPhysicalStart = 0;
  std::string_view m_line;
  std::string m_joined;
};

}  // namespace varnwick
