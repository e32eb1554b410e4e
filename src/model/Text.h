#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnwick {

// The small text helpers run for every line of every header, so they are inline.

// White space as the parser trims it: blank, tab, line feed, vertical tab, form feed, carriage return.
// One comparison and one bit test, not six comparisons: trimming runs at both ends of every line.
inline bool IsSpace(char c) {
  constexpr std::uint64_t kSpaces = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                    (std::uint64_t{1} << '\n') | (std::uint64_t{1} << '\v') |
                                    (std::uint64_t{1} << '\f') | (std::uint64_t{1} << '\r');
  const auto byte = static_cast<unsigned char>(c);
  return byte <= ' ' && ((kSpaces >> byte) & 1) != 0;
}

inline std::string_view TrimLeft(std::string_view text) {
  std::size_t begin = 0;
  while (begin < text.size() && IsSpace(text[begin])) ++begin;
  return text.substr(begin);
}

inline std::string_view TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsSpace(text[end - 1])) --end;
  return text.substr(0, end);
}

inline std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

// Removes every repetition of `token` from the beginning of `text`, then from its end.
std::string_view StripToken(std::string_view text, std::string_view token);

// StripToken for a one-character token.
inline std::string_view StripChar(std::string_view text, char token) {
  while (text.starts_with(token)) text.remove_prefix(1);
  while (text.ends_with(token)) text.remove_suffix(1);
  return text;
}

inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Whether `text` holds `word` at `at`; checks the first two bytes before comparing the rest,
// since the scans call it at every occurrence of a common letter.
inline bool WordAt(std::string_view text, std::size_t at, std::string_view word) {
  return text.size() - at >= word.size() && text[at] == word[0] && (word.size() < 2 || text[at + 1] == word[1]) &&
         text.compare(at, word.size(), word) == 0;
}

// Cuts `text` before its first "//" and trims what is left.
std::string_view CutComment(std::string_view text);

}  // namespace varnwick
