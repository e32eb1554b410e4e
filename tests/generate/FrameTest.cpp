// The walk shared by every generator: member order, states, group comments and list lookup.
#include <gtest/gtest.h>

#include "GenerateTestSupport.h"
#include "HeaderFile.h"

namespace varnwick::testing {
namespace {

std::string AssignHead() {
  return BannerA() + "//Operator ( = )\r\nCShape& CShape::operator = ( const CShape& src )\r\n{\r\n";
}
std::string AssignTail() { return "\treturn *this;\r\n}\r\n" + BannerA(); }

TEST(GenerationFrame, ClassWithoutMembersGivesNoText) {
  TestClass shape("CShape");
  for (const GeneratorInfo& info : AllGenerators()) {
    EXPECT_FALSE(shape.Run(info.kind).has_value()) << info.cliName;
  }
}

TEST(GenerationFrame, OneGroupCommentPerTypeRunStarredByItsFirstMember) {
  TestClass shape("CShape");
  shape.Add("CString", "m_pA", kPointer);
  shape.Add("CString", "m_b");
  shape.Add("CString", "m_c", kPlain, 0);  // unticked inside the run: the run goes on
  shape.Add("CString", "m_d");
  shape.Add("int", "m_n");
  EXPECT_EQ(shape.Body(GeneratorKind::Assign),
            AssignHead() +
                "\r\n\t//****(CString*'s)****\r\n"
                "\t*m_pA\t= *src.m_pA;\r\n"
                "\tm_b\t=  src.m_b;\r\n"
                "\tm_d\t=  src.m_d;\r\n"
                "\r\n\t//****(int's)****\r\n"
                "\tm_n\t=  src.m_n;\r\n" +
                AssignTail());

  TestClass plainFirst("CShape", "");
  plainFirst.Add("CString", "m_a");
  plainFirst.Add("CString", "m_pB", kPointer);
  EXPECT_EQ(plainFirst.Body(GeneratorKind::MembersList),
            "\t//****Members of ( CShape:: )****\r\n"
            "\r\n\t//****(CString's)****\r\n\tm_a\r\n\tm_pB\r\n"
            "\t//" + Stars(30) + "\r\n");
}

TEST(GenerationFrame, TypeTextsCompareExactly) {
  TestClass shape("CShape", "");
  shape.Add("CString", "m_a");
  shape.Add("Cstring", "m_b");
  shape.Add("Cstring ", "m_c");
  EXPECT_EQ(shape.Body(GeneratorKind::MembersList),
            "\t//****Members of ( CShape:: )****\r\n"
            "\r\n\t//****(CString's)****\r\n\tm_a\r\n"
            "\r\n\t//****(Cstring's)****\r\n\tm_b\r\n"
            "\r\n\t//****(Cstring 's)****\r\n\tm_c\r\n"
            "\t//" + Stars(30) + "\r\n");
}

TEST(GenerationFrame, UntickedAndExcludedMembersLeaveHeadAndTailOnly) {
  TestClass shape("CShape");
  shape.Add("int", "m_a", kPlain, 0);
  shape.Add("int", "s_b", kStatic, 1);  // the assignment leaves statics out
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Assign);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body, AssignHead() + AssignTail());
  EXPECT_EQ(text->declaration, "CShape& operator = ( const CShape& src );");
}

// Many list members of plain-named types, each resolved through its own typedef line far down
// a large header: every one must get its own element class in the same run.
TEST(GenerationFrame, ManyPlainListTypesResolveThroughOneHeader) {
  constexpr int kLists = 40;
  std::string header = "class CShape : public CObject\r\n{\r\n";
  for (int i = 0; i < kLists; ++i) header += "\tCItem" + std::to_string(i) + "List m_list" + std::to_string(i) + ";\r\n";
  header += "};\r\n";
  for (int i = 0; i < 2000; ++i) header += "// padding line " + std::to_string(i) + "\r\n";
  for (int i = 0; i < kLists; ++i) {
    const std::string n = std::to_string(i);
    header += "typedef CTypedPtrList<CPtrList, CItem" + n + "*> CItem" + n + "List;\r\n";
  }
  TempHeader file(header);

  TestClass shape("CShape");
  shape.SetFile(file.Path());
  for (int i = 0; i < kLists; ++i) {
    shape.Add("CItem" + std::to_string(i) + "List", "m_list" + std::to_string(i), kPlain, 2);
  }
  const std::string body = shape.Body(GeneratorKind::Serialize);
  for (int i = 0; i < kLists; ++i) {
    const std::string e = "CItem" + std::to_string(i);
    // Once in the storing loop, once in the loading loop.
    EXPECT_NE(body.find("\t\t" + e + "* pBase; \r\n"), std::string::npos) << e;
    EXPECT_NE(body.find("\t\t" + e + "* pBase;\r\n"), std::string::npos) << e;
    EXPECT_NE(body.find("\t\t\tpBase = new " + e + "( ) ; \r\n"), std::string::npos) << e;
  }
  EXPECT_EQ(body.find("CBaseClass"), std::string::npos);
  EXPECT_EQ(body.find("Check This"), std::string::npos);
}

TEST(GenerationFrame, OversizedHeaderEndsTheRunOnlyWhenAListNeedsIt) {
  TempHeader file(std::string(kMaxHeaderBytes + 1, ' '));
  TestClass shape("CShape");
  shape.SetFile(file.Path());
  shape.Add("CFooList", "m_items", kPlain, 1);
  EXPECT_TRUE(shape.Run(GeneratorKind::Serialize).has_value());
  EXPECT_TRUE(shape.Run(GeneratorKind::MembersList).has_value());

  TestClass listed("CShape");
  listed.SetFile(file.Path());
  listed.Add("CFooList", "m_items", kPlain, 2);
  EXPECT_THROW(listed.Run(GeneratorKind::Serialize), CFileTooLarge);
  EXPECT_THROW(listed.Run(GeneratorKind::CopyAssign), CFileTooLarge);
  // Generators without a list form never look at the header.
  EXPECT_TRUE(listed.Run(GeneratorKind::CopyMembers).has_value());
}

}  // namespace
}  // namespace varnwick::testing
