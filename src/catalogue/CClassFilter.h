#pragma once

#include <string>
#include <string_view>

namespace varnwick {

// The class list's filter: it shows the classes whose name holds its text, with letters compared
// as the class list sorts them (ASCII case ignored). An empty filter shows every class.
class CClassFilter {
 public:
  CClassFilter() = default;
  explicit CClassFilter(std::string_view text);

  bool IsEmpty() const { return m_strFolded.empty(); }
  bool Shows(std::string_view name) const;

 private:
  std::string m_strFolded;
};

}  // namespace varnwick
