#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnwick {

// Byte-level helpers shared by the path value and the actor. Texts are UTF-8 (or plain bytes):
// a separator byte never occurs inside a multi-byte sequence there, so a byte search is safe.

inline bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

// Position of the last "/" or "\" at or after `from`, or npos.
std::size_t FindLastSeparator(std::string_view text, std::size_t from = 0);

// Position of the first "/" or "\" at or after `from`, or npos.
std::size_t FindFirstSeparator(std::string_view text, std::size_t from = 0);

// Removes every one of the characters <, >, | and " and trims white space at both ends.
void StripBadChars(std::string& text);

// Cuts `text` to at most `maxBytes` bytes without splitting a UTF-8 sequence.
std::string CutToBytes(std::string_view text, std::size_t maxBytes);

// Every "\" becomes "/": the form a path has when it reaches the system.
std::string ToSystemSeparators(std::string_view text);

}  // namespace varnwick
