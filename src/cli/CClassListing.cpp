#include "CClassListing.h"

#include <charconv>

namespace varnwick {
namespace {

constexpr std::size_t kNumberBytes = 24;
constexpr std::size_t kSeparatorBytes = 4;  // three tabs and the line end

void AppendNumber(CTextBlock& text, std::size_t value) {
  char digits[kNumberBytes];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.Append({digits, static_cast<std::size_t>(end - digits)});
}

}  // namespace

void CClassListing::Take(std::vector<std::unique_ptr<CClassInfo>> records) {
  for (const auto& record : records) {
    CTextBlock& text = BlockFor(2 * kNumberBytes + record->m_strName.size() + record->m_strFile.size() +
                                kSeparatorBytes);
    AppendNumber(text, m_count++);
    text.Append("\t");
    text.Append(record->m_strName);
    text.Append("\t");
    AppendNumber(text, record->MemberCount());
    text.Append("\t");
    text.Append(record->m_strFile);
    text.Append("\n");
  }
}

CTextBlock& CClassListing::BlockFor(std::size_t bytes) {
  if (m_blocks.empty() || m_blocks.back().Room() < bytes) m_blocks.emplace_back(bytes);
  return m_blocks.back();
}

void CClassListing::Write(std::ostream& out) const {
  for (const CTextBlock& block : m_blocks) {
    const std::string_view text = block.Text();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
}

}  // namespace varnwick
