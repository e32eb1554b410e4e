#pragma once

#include <cstddef>
#include <string_view>

namespace varnwick {

// Tells whether a class head line of a text stands in a macro's body, where it declares no class
// of its own: it holds the "##" of token pasting, or it continues, through lines that each end
// with a backslash, a preprocessor line ("#define NAME(x) \"). A backslash at the end of a line
// that does not lead back to a "#" is no sign: in a comment it is often the second byte of a
// double-byte character. What was found for the last head is kept, so the heads of one long
// macro are walked back over once in all, not once each.
class CMacroBodyTest {
 public:
  explicit CMacroBodyTest(std::string_view text) : m_text(text) {}

  // `line` is the head line as read; `start` is where its first physical line begins in the text.
  bool InMacroBody(std::string_view line, std::size_t start);

 private:
  bool ContinuesDirective(std::size_t start) const;

  std::string_view m_text;
  std::size_t m_checkedStart = std::string_view::npos;
  bool m_checkedResult = false;
};

}  // namespace varnwick
