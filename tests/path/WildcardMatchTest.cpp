#include <gtest/gtest.h>

#include <tuple>

#include "WildcardMatch.h"

namespace varnwick {
namespace {

TEST(WildcardMatch, StarQuestionMarkAndAsciiCase) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"*a*b", "xaxxb", true},
      {"*a*b", "xaxxbc", false},
      {"a*c", "abcd", false},
      {"*.H", "x.h", true},
      {"?.h", "\xC3\xA9.h", true},            // one two-byte character
      {"??.h", "\xC3\xA9.h", false},
      {"\xC3\xA9.h", "\xC3\x89.h", false},    // only ASCII letters fold
      {"foo.*", "foo", true},
      {"foo.*", "food", false},
      {"*.*", "readme", true},
      {"*", "", true},
      {"?", "", false},
  };
  for (const auto& [pattern, name, expected] : cases) {
    EXPECT_EQ(WildcardMatch(pattern, name), expected) << pattern << " ~ " << name;
  }
}

}  // namespace
}  // namespace varnwick
