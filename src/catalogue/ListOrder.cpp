#include "ListOrder.h"

#include <algorithm>

namespace varnwick {
int CompareListText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char left = FoldListCase(a[i]);
    const unsigned char right = FoldListCase(b[i]);
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<const CMemberInfo*> MemberListOrder(const CClassInfo& record) {
  struct Entry {
    std::string text;
    const CMemberInfo* member;
  };
  std::vector<Entry> entries;
  entries.reserve(record.m_pMembers.size());
  for (const auto& member : record.m_pMembers) entries.push_back({member->LineText(), member.get()});
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return CompareListText(a.text, b.text) < 0;
  });
  std::vector<const CMemberInfo*> ordered;
  ordered.reserve(entries.size());
  for (const Entry& entry : entries) ordered.push_back(entry.member);
  return ordered;
}

}  // namespace varnwick
