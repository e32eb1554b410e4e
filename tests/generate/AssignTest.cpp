#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

TEST(AssignGenerator, MemberLinesListCopiesAndCheckNotes) {
  TestClass shape("CShape");
  shape.Add("CFooList", "m_bag", kPlain, 2);
  shape.Add("CList<CBar, CBar&>", "m_vals", kPlain, 2);
  shape.Add("CList<CFoo, CFoo&>", "m_pVals", kPointer, 2);
  shape.Add("CPtrList", "m_raw", kPlain, 1);
  shape.Add("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", kPointer, 2);
  shape.Add("CWnd", "m_pWnd", kPointer);
  shape.Add("double", "s_rate", kStatic);  // left out, and opens no group
  shape.Add("int", "m_n");
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Assign);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            BannerA() + "//Operator ( = )\r\nCShape& CShape::operator = ( const CShape& src )\r\n{\r\n" +
                "\r\n\t//****(CFooList's)****\r\n" + ListCopy("CFooList", "m_bag", ".", "CBaseClass") +
                "\r\n\t//****(CList<CBar, CBar&>'s)****\r\n"
                "\tm_vals\t=  src.m_vals;// Check This !!!\r\n"
                "\r\n\t//****(CList<CFoo, CFoo&>*'s)****\r\n"
                "\t*m_pVals\t= *src.m_pVals;// Check This !!!\r\n"
                "\r\n\t//****(CPtrList's)****\r\n"
                "\tm_raw\t=  src.m_raw;\r\n"
                "\r\n\t//****(CTypedPtrList<CPtrList, CFoo*>*'s)****\r\n" +
                ListCopy("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", "->", "CFoo") +
                "\r\n\t//****(CWnd*'s)****\r\n"
                "\t*m_pWnd\t= *src.m_pWnd;\r\n"
                "\r\n\t//****(int's)****\r\n"
                "\tm_n\t=  src.m_n;\r\n"
                "\treturn *this;\r\n}\r\n" + BannerA());
  EXPECT_EQ(text->declaration, "CShape& operator = ( const CShape& src );");
}

}  // namespace
}  // namespace varnwick::testing
