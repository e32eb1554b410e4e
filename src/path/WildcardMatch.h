#pragma once

#include <string_view>

namespace varnwick {

// Matches a directory entry name against a search pattern: "*" stands for any run of characters,
// "?" for exactly one character (a whole UTF-8 sequence), and letters compare without regard to
// ASCII case. A pattern ending in ".*" also matches a name without an extension, so "*.*" means
// every entry, as searches written for the Windows shell expect.
bool WildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace varnwick
