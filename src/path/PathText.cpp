#include "PathText.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace varnwick {

namespace {

constexpr char kBadChars[] = {'<', '>', '|', '"'};

bool IsBadChar(char c) { return c == '<' || c == '>' || c == '|' || c == '"'; }

// The C locale's white space, fixed here so the result never depends on the process locale.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t FindLastSeparator(std::string_view text, std::size_t from) {
  for (std::size_t i = text.size(); i > from; --i) {
    if (IsPathSeparator(text[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

std::size_t FindFirstSeparator(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (IsPathSeparator(text[i])) return i;
  }
  return std::string_view::npos;
}

// In place: a path is cleaned every time one of its forms is rebuilt, and almost always there is
// nothing to remove.
void StripBadChars(std::string& text) {
  // A search for each bad character runs many bytes at a time; a test of every byte for all four
  // took longer than the walk's own work.
  const bool holdsBad = std::any_of(std::begin(kBadChars), std::end(kBadChars), [&text](char bad) {
    return std::memchr(text.data(), bad, text.size()) != nullptr;
  });
  if (holdsBad) std::erase_if(text, [](char c) { return IsBadChar(c); });
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  text.resize(end);
  std::size_t begin = 0;
  while (begin < text.size() && IsBlank(text[begin])) ++begin;
  if (begin > 0) text.erase(0, begin);
}

std::string CutToBytes(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t cut = maxBytes;
  // Back off to the start of the character the cut would split.
  while (cut > 0 && IsUtf8Continuation(text[cut])) --cut;
  return std::string(text.substr(0, cut));
}

std::string ToSystemSeparators(std::string_view text) {
  std::string result(text);
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

}  // namespace varnwick
