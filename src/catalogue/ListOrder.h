#pragma once

#include <string_view>
#include <vector>

#include "CClassInfo.h"

namespace varnwick {

// A byte as the list boxes compare it: ASCII A-Z folded to a-z, every other byte as it is.
inline unsigned char FoldListCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// The list boxes' order: bytes compared as unsigned after folding ASCII A-Z to a-z.
// Negative, zero or positive like strcmp.
int CompareListText(std::string_view a, std::string_view b);

// The members of a class in member-list order (by line text, equal texts in header order):
// the order in which every generator walks them.
std::vector<const CMemberInfo*> MemberListOrder(const CClassInfo& record);

}  // namespace varnwick
