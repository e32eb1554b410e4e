#pragma once

#include <string>
#include <string_view>

namespace varnwick {

// White space as the parser trims it: blank, tab, line feed, vertical tab, form feed, carriage return.
bool IsSpace(char c);
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

// Removes every repetition of `token` from the beginning of `text`, then from its end.
std::string_view StripToken(std::string_view text, std::string_view token);

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Cuts `text` before its first "//" and trims what is left.
std::string_view CutComment(std::string_view text);

}  // namespace varnwick
