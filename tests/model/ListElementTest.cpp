#include <gtest/gtest.h>

#include "CClassInfo.h"
#include "ListElementResolver.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

const char* const kHeader =
    "class CFooDoc : public CDocument\r\n"
    "{\r\n"
    "\tCFooList m_items;\r\n"
    "\tCPtrList m_plain;\r\n"
    "\tCStringList m_names;\r\n"
    "};\r\n"
    "typedef CTypedPtrList<CPtrList, CFoo*> CFooList; // the items\r\n"
    "typedef CTypedPtrList<CObList,\r\n"
    "   CBar*> CBarList;\r\n";

TEST(ListElementTest, ExamplesWithTheSwitchOnAndOff) {
  TempDir dir;
  CClassInfo record;
  record.m_strFile = dir.Write("FooDoc.h", kHeader);
  struct Case {
    const char* type;
    const char* on;
    const char* off;
  };
  const Case cases[] = {
      {"CTypedPtrList<CPtrList, CFoo*>", "CFoo", "CFoo"},
      {"CTypedPtrList<CObList, CFoo*>", "CFoo", "CFoo"},
      {"CList<CFoo, CFoo&>", "***", "CFoo&"},
      {"CFooList", "CFoo", "CFoo"},
      {"CBarList", "CBar", "CBar"},  // found on a line joined from two
      {"CStringList", "***", ""},
      {"CMap<A,B,>", "***", "CMap<A,B,"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(record.GetListElementClass(c.type, true), c.on) << c.type;
    EXPECT_EQ(record.GetListElementClass(c.type, false), c.off) << c.type;
  }
  // "CPtrList" is mentioned after the first character first by the CFooList definition.
  EXPECT_EQ(record.GetListElementClass("CPtrList", true), "CFoo");
}

TEST(ListElementTest, FindDeclarationLinePassesOverLinesThatBeginWithTheWord) {
  const std::string text = "CFooList m_items;\r\n// CFooList in a comment\r\n\ttypedef X CFooList; // x\r\n";
  EXPECT_EQ(FindDeclarationLine(text, "CFooList"), "typedef X CFooList;");
  EXPECT_EQ(FindDeclarationLine(text, "CNothing"), "");
  EXPECT_EQ(FindDeclarationLine(text, ""), "");
  // Without ">" the whole line, stripped of stars at its ends, is the answer.
  TempDir dir;
  CClassInfo record;
  record.m_strFile = dir.Write("a.h", "m_x;\nint CPlainList*\n");
  EXPECT_EQ(record.GetListElementClass("CPlainList", false), "int CPlainList");
}

TEST(ListElementTest, MissingOrVanishedHeaderGivesTheEmptyAnswer) {
  CClassInfo record;
  EXPECT_EQ(record.GetListElementClass("CFooList", true), "");
  record.m_strFile = "/nonexistent/FooDoc.h";
  EXPECT_EQ(record.GetListElementClass("CFooList", true), "");
  // A template type needs no header at all, but a class without a file still answers "".
  EXPECT_EQ(record.GetListElementClass("CTypedPtrList<CPtrList, CFoo*>", true), "CFoo");
}

TEST(ListElementTest, ResolverReadsTheHeaderAsItIsWhenFirstAsked) {
  TempDir dir;
  CClassInfo record;
  record.m_strFile = dir.Write("a.h", "typedef CTypedPtrList<CPtrList, COld*> CItemList;\n");
  EXPECT_EQ(record.GetListElementClass("CItemList", true), "COld");
  dir.Write("a.h", "typedef CTypedPtrList<CPtrList, CNew*> CItemList;\n");
  // Every call reads the header again, so an edited header is seen...
  EXPECT_EQ(record.GetListElementClass("CItemList", true), "CNew");
  // ...while one resolver (one generator run) keeps the text it read first.
  CListElementResolver resolver(record, true);
  EXPECT_EQ(resolver.Resolve("CItemList"), "CNew");
  dir.Write("a.h", "typedef CTypedPtrList<CPtrList, CNewer*> CItemList;\ntypedef CPtrList COtherList;\n");
  EXPECT_EQ(resolver.Resolve("CItemList"), "CNew");
  EXPECT_EQ(resolver.Resolve("COtherList"), "***");
}

}  // namespace
}  // namespace varnwick
