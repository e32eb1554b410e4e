#include "Text.h"

namespace varnwick {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view TrimLeft(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  return text.substr(begin);
}

std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

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
