#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

struct Variant {
  GeneratorKind kind;
  std::string op;          // as written in the title, the head and the declaration
  std::string test;        // the comparison that fails a member
  std::string checkEnd;    // the end of a "Check This" line
  std::string elementTest;
};

std::string ListCompare(const std::string& n, const std::string& m, const std::string& e,
                        const std::string& elementTest) {
  return "\t//" + Stars(18) + " PtrList " + Stars(18) +
         "\r\n\tif ( src1." + n + m + "GetCount() != src2." + n + m + "GetCount())\treturn FALSE;\r\n"
         "\r\n\tPOSITION pos1 = src1." + n + m + "GetHeadPosition();\r\n\r\n"
         "\r\n\tPOSITION pos2 = src2." + n + m + "GetHeadPosition();\r\n\r\n"
         "\t" + e + "* pBase1 ;\r\n"
         "\t" + e + "* pBase2 ;\r\n"
         "\twhile (pos1 != NULL)\r\n\t{\r\n"
         "\t\tASSERT( src1." + n + m + "GetAt(pos1) != NULL);\r\n"
         "\t\tASSERT( src2." + n + m + "GetAt(pos2) != NULL);\r\n"
         "\t\tpBase1 = src1." + n + m + "GetNext(pos1);\r\n"
         "\t\tpBase2 = src2." + n + m + "GetNext(pos2);\r\n" +
         elementTest + "\t}\r\n\t//" + Stars(39) + "\r\n";
}

class ComparisonGenerator : public ::testing::TestWithParam<Variant> {};

TEST_P(ComparisonGenerator, MemberTestsListLoopsAndCheckNotes) {
  const Variant& v = GetParam();
  TestClass shape("CShape");
  shape.Add("CFooList", "m_bag", kPlain, 2);
  shape.Add("CList<CBar, CBar&>", "m_vals", kPlain, 2);
  shape.Add("CList<CFoo, CFoo&>", "m_pVals", kPointer, 2);
  shape.Add("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", kPointer, 2);
  shape.Add("CWnd", "m_pWnd", kPointer);
  shape.Add("double", "s_rate", kStatic);
  shape.Add("int", "m_n");
  shape.Add("int", "m_skip", kPlain, 0);
  std::optional<GeneratedText> text = shape.Run(v.kind);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            BannerB() + "//Operator ( " + v.op + " )\r\n" + "int AFXAPI operator" + v.op +
                "( CShape const &src1,CShape const &src2 )\r\n{\r\n" +
                "\r\n\t//****(CFooList's)****\r\n" +
                ListCompare("m_bag", ".", "CBaseClass", v.elementTest) +
                "\r\n\t//****(CList<CBar, CBar&>'s)****\r\n"
                "\tif ( src1.m_vals\t" + v.test + " src2.m_vals" + v.checkEnd +
                "\r\n\t//****(CList<CFoo, CFoo&>*'s)****\r\n"
                "\tif ( *src1.m_pVals\t" + v.test + " *src2.m_pVals" + v.checkEnd +
                "\r\n\t//****(CTypedPtrList<CPtrList, CFoo*>*'s)****\r\n" +
                ListCompare("m_pItems", "->", "CFoo", v.elementTest) +
                "\r\n\t//****(CWnd*'s)****\r\n"
                "\tif ( *src1.m_pWnd\t" + v.test + " *src2.m_pWnd )\treturn FALSE;\r\n"
                "\r\n\t//****(int's)****\r\n"
                "\tif ( src1.m_n\t" + v.test + " src2.m_n )\treturn FALSE;\r\n"
                "\r\n\treturn TRUE;\r\n}\r\n" + BannerB());
  EXPECT_EQ(text->declaration, "friend int AFXAPI operator" + v.op +
                                   "( CShape const &src1, CShape const &src2 );");
}

TEST_P(ComparisonGenerator, NothingTickedKeepsHeadAndTail) {
  const Variant& v = GetParam();
  TestClass shape("CShape");
  shape.Add("int", "m_n", kPlain, 0);
  EXPECT_EQ(shape.Body(v.kind), BannerB() + "//Operator ( " + v.op + " )\r\nint AFXAPI operator" +
                                    v.op + "( CShape const &src1,CShape const &src2 )\r\n{\r\n" +
                                    "\r\n\treturn TRUE;\r\n}\r\n" + BannerB());
}

INSTANTIATE_TEST_SUITE_P(
    Operators, ComparisonGenerator,
    ::testing::Values(
        Variant{GeneratorKind::Equal, "==", "!=", " )\treturn FALSE;// Check This !!!\r\n",
                "\t\tif (!(*pBase1 == *pBase2))\t return FALSE; // Be sure you have operator==\r\n"},
        Variant{GeneratorKind::Less, "<", ">=", " )\treturn FALSE;//Check This !!!\r\n",
                "\t\tif (!(*pBase1 < *pBase2))\t return FALSE; // Be sure you have operator <\r\n"},
        Variant{GeneratorKind::Greater, ">", "<=", " )\treturn FALSE;//Check This !!!\r\n",
                "\t\tif (!(*pBase1 > *pBase2))\t return FALSE; // Be sure you have operator >\r\n"}),
    [](const ::testing::TestParamInfo<Variant>& info) {
      return std::string(info.param.kind == GeneratorKind::Equal  ? "Equal"
                         : info.param.kind == GeneratorKind::Less ? "Less"
                                                                  : "Greater");
    });

}  // namespace
}  // namespace varnwick::testing
