#include "LogicalLineReader.h"

#include <cstring>

#include "Text.h"

namespace varnwick {

bool CLogicalLineReader::ReadPhysical(std::string_view& line) {
  if (m_done) return false;
  m_lastPhysicalStart = m_pos;
  const char* begin = m_text.data() + m_pos;
  const std::size_t left = m_text.size() - m_pos;
  const void* newline = left == 0 ? nullptr : std::memchr(begin, '\n', left);
  if (newline == nullptr) {
    // The text's last line, ended by the line end the reader supposes after the text.
    line = Trim(std::string_view(begin, left));
    m_pos = m_text.size();
    m_done = true;
    return true;
  }
  const std::size_t length = static_cast<const char*>(newline) - begin;
  line = Trim(std::string_view(begin, length));
  m_pos += length + 1;
  return true;
}

bool CLogicalLineReader::Next() {
  std::string_view line;
  if (!ReadPhysical(line)) return false;
  if (line.empty() || line.back() != ',') {
    m_line = line;
    return true;
  }
  m_joined.assign(line);
  std::string_view next;
  // Both ends stay trimmed: the first line is, and each continuation is trimmed before it is
  // added. Trimming the whole joined text again would copy it once per line, which for a long
  // chain of continuation lines grows with the square of its length.
  while (!m_joined.empty() && m_joined.back() == ',' && ReadPhysical(next)) m_joined.append(CutComment(next));
  m_line = m_joined;
  return true;
}

}  // namespace varnwick
