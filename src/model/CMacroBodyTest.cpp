#include "CMacroBodyTest.h"

#include "Text.h"

namespace varnwick {

bool CMacroBodyTest::InMacroBody(std::string_view line, std::size_t start) {
  if (Contains(line, "##")) return true;
  const bool inBody = ContinuesDirective(start);
  m_checkedStart = start;
  m_checkedResult = inBody;
  return inBody;
}

// Walks back from the line at `start` over the lines that continue into it, to the first of them.
bool CMacroBodyTest::ContinuesDirective(std::size_t start) const {
  std::size_t at = start;
  for (;;) {
    if (at == m_checkedStart) return m_checkedResult;
    if (at == 0 || m_text[at - 1] != '\n') break;
    std::size_t end = at - 1;
    while (end > 0 && (m_text[end - 1] == '\r' || m_text[end - 1] == ' ' || m_text[end - 1] == '\t')) --end;
    if (end == 0 || m_text[end - 1] != '\\') break;
    const std::size_t before = m_text.rfind('\n', end - 1);
    at = before == std::string_view::npos ? 0 : before + 1;
  }
  return TrimLeft(m_text.substr(at)).starts_with('#');
}

}  // namespace varnwick
