#include <gtest/gtest.h>

#include "Utf8Text.h"

namespace varnwick {
namespace {

TEST(Utf8TextTest, ValidTextPassesUnchanged) {
  for (const char* text : {"", "CString m_str;", "caf\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}) {
    EXPECT_EQ(ToValidUtf8(text), text);
  }
}

TEST(Utf8TextTest, EachOffendingByteBecomesTheLatin1CharacterOfItsValue) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"caf\xE9", "caf\xC3\xA9"},                          // a Windows-1252 e-acute
      {"\xC3", "\xC3\x83"},                                // a lead byte cut off at the end
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},                    // an overlong "/"
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},        // a surrogate
      {"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},  // past U+10FFFF
      {"a\xFF" "b", "a\xC3\xBF" "b"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToValidUtf8(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace varnwick
