#include "CClassListing.h"

#include <charconv>

namespace varnwick {
namespace {

void AppendNumber(std::string& text, std::size_t value) {
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, static_cast<std::size_t>(end - digits));
}

}  // namespace

void CClassListing::Take(std::vector<std::unique_ptr<CClassInfo>> records) {
  for (const auto& record : records) {
    AppendNumber(m_text, m_count++);
    m_text += '\t';
    m_text += record->m_strName;
    m_text += '\t';
    AppendNumber(m_text, record->MemberCount());
    m_text += '\t';
    m_text += record->m_strFile;
    m_text += '\n';
  }
}

void CClassListing::Write(std::ostream& out) const { out.write(m_text.data(), static_cast<std::streamsize>(m_text.size())); }

}  // namespace varnwick
