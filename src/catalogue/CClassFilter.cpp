#include "CClassFilter.h"

#include <algorithm>

#include "ListOrder.h"

namespace varnwick {

CClassFilter::CClassFilter(std::string_view text) {
  m_strFolded.reserve(text.size());
  for (char c : text) m_strFolded.push_back(static_cast<char>(FoldListCase(c)));
}

bool CClassFilter::Shows(std::string_view name) const {
  if (m_strFolded.empty()) return true;
  const auto found = std::search(name.begin(), name.end(), m_strFolded.begin(), m_strFolded.end(),
                                 [](char a, char b) { return FoldListCase(a) == static_cast<unsigned char>(b); });
  return found != name.end();
}

}  // namespace varnwick
