#include "Text.h"

namespace varnwick {

std::string_view StripToken(std::string_view text, std::string_view token) {
  if (token.empty()) return text;
  while (text.starts_with(token)) text.remove_prefix(token.size());
  while (text.ends_with(token)) text.remove_suffix(token.size());
  return text;
}

std::string_view CutComment(std::string_view text) {
  const std::size_t comment = text.find("//");
  if (comment != std::string_view::npos) text = text.substr(0, comment);
  return Trim(text);
}

}  // namespace varnwick
