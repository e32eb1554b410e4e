#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

std::string Head(const std::string& signatureEnd) {
  return BannerA() + "//Copy Constructor\r\nCShape::CShape( const CShape" + signatureEnd;
}

TEST(CopyAssignGenerator, AssignmentLinesAndListCopies) {
  TestClass shape("CShape");
  shape.Add("CFooList", "m_bag", kPlain, 2);
  shape.Add("CList<CBar, CBar&>", "m_vals", kPlain, 2);
  shape.Add("CList<CFoo, CFoo&>", "m_pVals", kPointer, 2);
  shape.Add("CPtrList", "m_raw", kPlain, 1);
  shape.Add("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", kPointer, 2);
  shape.Add("double", "s_rate", kStatic);
  shape.Add("int", "m_n");
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::CopyAssign);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            Head("& src )\r\n{\r\n") +
                "\r\n\t//****(CFooList's)****\r\n" + ListCopy("CFooList", "m_bag", ".", "CBaseClass") +
                "\r\n\t//****(CList<CBar, CBar&>'s)****\r\n"
                "\tm_vals\t=  src.m_vals;// Check This !!!\r\n"
                "\r\n\t//****(CList<CFoo, CFoo&>*'s)****\r\n"
                "\t*m_pVals\t= *src.m_pVals;//Check This !!!\r\n"
                "\r\n\t//****(CPtrList's)****\r\n"
                "\tm_raw\t=  src.m_raw;\r\n"
                "\r\n\t//****(CTypedPtrList<CPtrList, CFoo*>*'s)****\r\n" +
                ListCopy("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", "->", "CFoo") +
                "\r\n\t//****(int's)****\r\n"
                "\tm_n\t=  src.m_n;\r\n"
                "}\r\n" + BannerA());
  EXPECT_EQ(text->declaration, "CShape( const CShape& src );");
}

TEST(CopyMembersGenerator, InitialiserListWithCommasAfterTheFirst) {
  TestClass shape("CShape");
  shape.Add("CPtrList", "m_list", kPlain, 2);  // no list form here
  shape.Add("CString", "m_pS", kPointer);
  shape.Add("CString", "m_off", kPlain, 0);
  shape.Add("CString", "s_name", kStatic);
  shape.Add("CString", "m_s");
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::CopyMembers);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            Head("& src )\r\n") + "\t\t\t:\t" +
                "\r\n\t\t\t\t//****(CPtrList's)****\r\n"
                "\t\t\t\tm_list(src.m_list)\r\n"
                "\r\n\t\t\t\t//****(CString*'s)****\r\n"
                "\t\t\t\t,m_pS(*src.m_pS)\r\n"
                "\t\t\t\t,m_s(src.m_s)\r\n"
                "{\r\n}\r\n" + BannerA());
  EXPECT_EQ(text->declaration, "CShape( const CShape& src );");
}

TEST(CopyConstructorGenerators, NothingTakingPartKeepsHeadAndTail) {
  TestClass shape("CShape");
  shape.Add("int", "m_a", kPlain, 0);
  shape.Add("int", "s_b", kStatic);
  EXPECT_EQ(shape.Body(GeneratorKind::CopyAssign), Head("& src )\r\n{\r\n") + "}\r\n" + BannerA());
  EXPECT_EQ(shape.Body(GeneratorKind::CopyMembers),
            Head("& src )\r\n") + "\t\t\t:\t" + "{\r\n}\r\n" + BannerA());
}

}  // namespace
}  // namespace varnwick::testing
