#include "CClassListing.h"

#include <algorithm>
#include <charconv>

namespace varnwick {
namespace {

constexpr std::size_t kBlockBytes = 256 * 1024;
constexpr std::size_t kNumberBytes = 24;
constexpr std::size_t kSeparatorBytes = 4;  // three tabs and the line end

void AppendNumber(std::string& text, std::size_t value) {
  char digits[kNumberBytes];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

void CClassListing::Take(std::vector<std::unique_ptr<CClassInfo>> records) {
  for (const auto& record : records) {
    std::string& text = BlockFor(2 * kNumberBytes + record->m_strName.size() + record->m_strFile.size() +
                                 kSeparatorBytes);
    AppendNumber(text, m_count++);
    text += '\t';
    text += record->m_strName;
    text += '\t';
    AppendNumber(text, record->MemberCount());
    text += '\t';
    text += record->m_strFile;
    text += '\n';
  }
}

std::string& CClassListing::BlockFor(std::size_t bytes) {
  if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < bytes) {
    m_blocks.emplace_back().reserve(std::max(kBlockBytes, bytes));
  }
  return m_blocks.back();
}

void CClassListing::Write(std::ostream& out) const {
  for (const std::string& block : m_blocks) out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

}  // namespace varnwick
