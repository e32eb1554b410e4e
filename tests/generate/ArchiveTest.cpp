#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

std::string StoreLoop(const std::string& type, const std::string& n, const std::string& m,
                      const std::string& e) {
  return "\r\n\t\t//***List (" + type + ")" + Stars(16) +
         "\r\n\t\tar << src." + n + m + "GetCount();\r\n\r\n"
         "\t\tPOSITION pos = src." + n + m + "GetHeadPosition();\r\n\r\n"
         "\t\t" + e + "* pBase; \r\n\r\n"
         "\t\twhile (pos != NULL)\r\n\t\t{\r\n"
         "\t\t\tASSERT( src." + n + m + "GetAt(pos) != NULL);\r\n"
         "\t\t\tpBase = src." + n + m + "GetNext(pos);\r\n"
         "\t\t\tar << *pBase;  //Be sure you have operator <<\r\n"
         "\t\t}\r\n\t\t//" + Stars(39) + "\r\n";
}

std::string LoadLoop(const std::string& type, const std::string& n, const std::string& m,
                     const std::string& e) {
  return "\r\n\t\t//***List (" + type + ")" + Stars(16) + "\r\n"
         "\t\t//First delete List\r\n"
         "\t\twhile (!src." + n + m + "IsEmpty())\r\n"
         "\t\t\tdelete src." + n + m + "RemoveTail();\r\n\r\n"
         "\t\tlong nObjsNr;\r\n\r\n"
         "\t\t" + e + "* pBase;\r\n\r\n"
         "\t\tfor (ar >> nObjsNr;  nObjsNr;  nObjsNr--)\r\n\t\t{\r\n"
         "\t\t\tpBase = new " + e + "( ) ; \r\n"
         "\t\t\tar >> *pBase; //Be sure you have operator >>\r\n"
         "\t\t\tsrc." + n + m + "AddTail( pBase );\r\n\t\t}\r\n"
         "\t\t//" + Stars(39) + "\r\n";
}

class ArchiveGenerators : public ::testing::Test {
 protected:
  ArchiveGenerators() {
    shape.Add("CFooList", "m_pBag", kPointer, 2);
    shape.Add("CList<CBar, CBar&>", "m_vals", kPlain, 2);
    shape.Add("CList<CFoo, CFoo&>", "m_pVals", kPointer, 2);
    shape.Add("CPtrList", "m_raw", kPlain, 1);
    shape.Add("CString", "m_pS", kPointer);
    shape.Add("CTypedPtrList<CPtrList, CFoo*>", "m_items", kPlain, 2);
    shape.Add("int", "m_a");
    shape.Add("int", "m_off", kPlain, 0);
    shape.Add("int", "s_b", kStatic);  // kept: the archive operators do not skip statics
  }
  TestClass shape{"CShape"};
};

TEST_F(ArchiveGenerators, StoreOperator) {
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Store);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            BannerB() + "//Operator ( << )\r\nCArchive& AFXAPI operator<<(CArchive& ar, const CShape& src )\r\n{\r\n" +
                "\r\n\t\t// storing (CFooList*'s)\r\n" + StoreLoop("CFooList", "m_pBag", "->", "CBaseClass") +
                "\r\n"
                "\r\n\t\t// storing (CList<CBar, CBar&>'s)\r\n\t\tar << src.m_vals; // Check This\r\n"
                "\r\n\t\t// storing (CList<CFoo, CFoo&>*'s)\r\n\t\tar << *src.m_pVals;// Check This\r\n"
                "\r\n\t\t// storing (CPtrList's)\r\n\t\tar << src.m_raw;\r\n"
                "\r\n\t\t// storing (CString*'s)\r\n\t\tar << *src.m_pS;\r\n"
                "\r\n\t\t// storing (CTypedPtrList<CPtrList, CFoo*>'s)\r\n" +
                StoreLoop("CTypedPtrList<CPtrList, CFoo*>", "m_items", ".", "CFoo") + "\r\n" +
                "\r\n\t\t// storing (int's)\r\n\t\tar << src.m_a;\r\n\t\tar << src.s_b;\r\n"
                "\r\n\treturn ar;\r\n}\r\n" + BannerB());
  EXPECT_EQ(text->declaration, "friend CArchive& AFXAPI operator<<(CArchive& ar, const CShape& src );");
}

TEST_F(ArchiveGenerators, LoadOperator) {
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Load);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            BannerB() + "//Operator ( >> )\r\nCArchive& AFXAPI operator>>(CArchive& ar, CShape& src )\r\n{\r\n" +
                "\r\n\t\t// loading (CFooList*'s)\r\n" + LoadLoop("CFooList", "m_pBag", "->", "CBaseClass") +
                "\r\n"
                "\r\n\t\t// loading (CList<CBar, CBar&>'s)\r\n\t\tar >> src.m_vals;// Check This !!!\r\n"
                "\r\n\t\t// loading (CList<CFoo, CFoo&>*'s)\r\n\t\tar >> *src.m_pVals;// Check This !!!\r\n"
                "\r\n\t\t// loading (CPtrList's)\r\n\t\tar >> src.m_raw;\r\n"
                "\r\n\t\t// loading (CString*'s)\r\n\t\tar >> *src.m_pS;\r\n"
                "\r\n\t\t// loading (CTypedPtrList<CPtrList, CFoo*>'s)\r\n" +
                LoadLoop("CTypedPtrList<CPtrList, CFoo*>", "m_items", ".", "CFoo") + "\r\n" +
                "\r\n\t\t// loading (int's)\r\n\t\tar >> src.m_a;\r\n\t\tar >> src.s_b;\r\n"
                "\r\n\treturn ar;\r\n}\r\n" + BannerB());
  EXPECT_EQ(text->declaration, "friend CArchive& AFXAPI operator>>(CArchive& ar, CShape& src );");
}

TEST(ArchiveGeneratorsUnticked, HeadTailAndDeclarationOnly) {
  TestClass shape("CShape");
  shape.Add("int", "m_a", kPlain, 0);
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Load);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body, BannerB() +
                            "//Operator ( >> )\r\nCArchive& AFXAPI operator>>(CArchive& ar, CShape& src )\r\n{\r\n"
                            "\r\n\treturn ar;\r\n}\r\n" + BannerB());
  EXPECT_EQ(text->declaration, "friend CArchive& AFXAPI operator>>(CArchive& ar, CShape& src );");
}

}  // namespace
}  // namespace varnwick::testing
