#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

std::string Head() {
  return BannerA() +
         "//Serialization\r\nvoid CShape::Serialize(CArchive& ar)\r\n{\r\n"
         "\tif (ar.IsStoring())\r\n\t{\t// storing code\r\n";
}
const std::string kMiddle = "\t}\r\n\telse\r\n\t{\t// loading code\r\n";
std::string Tail() { return "\t}\r\n}\r\n" + BannerA(); }

std::string StoringLoop(const std::string& type, const std::string& n, const std::string& m,
                        const std::string& e) {
  return "\r\n\t\t//***List (" + type + ")" + Stars(16) +
         "\r\n\t\tar << " + n + m + "GetCount();\r\n\r\n"
         "\t\tPOSITION pos = " + n + m + "GetHeadPosition();\r\n\r\n"
         "\t\t" + e + "* pBase; \r\n\r\n"
         "\t\twhile (pos != NULL)\r\n\t\t{\r\n"
         "\t\t\tASSERT(" + n + m + "GetAt(pos) != NULL);\r\n"
         "\t\t\tpBase = " + n + m + "GetNext(pos);\r\n"
         "\t\t\tpBase->Serialize(ar);\r\n"
         "\t\t}\r\n\t\t//" + Stars(39) + "\r\n";
}

std::string LoadingLoop(const std::string& type, const std::string& n, const std::string& m,
                        const std::string& e) {
  return "\r\n\t\t//***List (" + type + ")" + Stars(16) + "\r\n"
         "\t\t//First delete List\r\n"
         "\t\twhile (!" + n + m + "IsEmpty())\r\n"
         "\t\t\tdelete " + n + m + "RemoveTail();\r\n\r\n"
         "\t\tlong nObjsNr;\r\n\r\n"
         "\t\t" + e + "* pBase;\r\n\r\n"
         "\t\tfor (ar >> nObjsNr;  nObjsNr;  nObjsNr--)\r\n\t\t{\r\n"
         "\t\t\tpBase = new " + e + "( ) ; \r\n"
         "\t\t\tpBase->Serialize(ar);\r\n"
         "\t\t\t" + n + m + "AddTail( pBase );\r\n\t\t}\r\n"
         "\t\t//" + Stars(39) + "\r\n";
}

TEST(SerializeGenerator, ArchiveOperatorsOrOwnSerializeByType) {
  TestClass shape("CShape");
  shape.Add("CPoint", "m_pt");
  shape.Add("CTime", "m_time");
  shape.Add("CWnd", "m_pWnd", kPointer);
  shape.Add("Cstring", "m_s");  // not CString: letter case counts
  shape.Add("int", "m_pn", kPointer);
  shape.Add("int", "s_count", kStatic);  // statics are serialized too
  shape.Add("long", "m_skip", kPlain, 0);
  std::optional<GeneratedText> text = shape.Run(GeneratorKind::Serialize);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            Head() +
                "\r\n\t\t// storing (CPoint's)\r\n\t\tar << m_pt;\r\n"
                "\r\n\t\t// storing (CTime's)\r\n\t\tm_time.Serialize(ar);\r\n"
                "\r\n\t\t// storing (CWnd*'s)\r\n\t\tm_pWnd->Serialize(ar);\r\n"
                "\r\n\t\t// storing (Cstring's)\r\n\t\tm_s.Serialize(ar);\r\n"
                "\r\n\t\t// storing (int*'s)\r\n\t\tar << *m_pn;\r\n\t\tar << s_count;\r\n" +
                kMiddle +
                "\r\n\t\t// loading (CPoint's)\r\n\t\tar >> m_pt;\r\n"
                "\r\n\t\t// loading (CTime's)\r\n\t\tm_time.Serialize(ar);\r\n"
                "\r\n\t\t// loading (CWnd*'s)\r\n\t\tm_pWnd->Serialize(ar);\r\n"
                "\r\n\t\t// loading (Cstring's)\r\n\t\tm_s.Serialize(ar);\r\n"
                "\r\n\t\t// loading (int*'s)\r\n\t\tar >> *m_pn;\r\n\t\tar >> s_count;\r\n" +
                Tail());
  EXPECT_EQ(text->declaration, "void Serialize(CArchive& ar);");
}

TEST(SerializeGenerator, ListMembersByStateAndResolution) {
  TestClass shape("CShape");
  shape.Add("CFooList", "m_bag", kPlain, 2);               // unresolved: placeholder class
  shape.Add("CList<CFoo, CFoo&>", "m_values", kPlain, 2);  // not a pointer list
  shape.Add("CPtrList", "m_raw", kPlain, 1);               // a list, but ticked plainly
  shape.Add("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", kPointer, 2);
  const std::string body = shape.Body(GeneratorKind::Serialize);
  EXPECT_EQ(body,
            Head() +
                "\r\n\t\t// storing (CFooList's)\r\n" +
                StoringLoop("CFooList", "m_bag", ".", "CBaseClass") + "\r\n" +
                "\r\n\t\t// storing (CList<CFoo, CFoo&>'s)\r\n"
                "\t\tm_values.Serialize(ar); // Check This !!!\r\n\r\n"
                "\r\n\t\t// storing (CPtrList's)\r\n\t\tm_raw.Serialize(ar);\r\n"
                "\r\n\t\t// storing (CTypedPtrList<CPtrList, CFoo*>*'s)\r\n" +
                StoringLoop("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", "->", "CFoo") + "\r\n" +
                kMiddle +
                "\r\n\t\t// loading (CFooList's)\r\n" +
                LoadingLoop("CFooList", "m_bag", ".", "CBaseClass") + "\r\n" +
                "\r\n\t\t// loading (CList<CFoo, CFoo&>'s)\r\n"
                "\t\tm_values.Serialize(ar); // Check This !!!\r\n\r\n"
                "\r\n\t\t// loading (CPtrList's)\r\n\t\tm_raw.Serialize(ar);\r\n"
                "\r\n\t\t// loading (CTypedPtrList<CPtrList, CFoo*>*'s)\r\n" +
                LoadingLoop("CTypedPtrList<CPtrList, CFoo*>", "m_pItems", "->", "CFoo") + "\r\n" +
                Tail());
}

TEST(SerializeGenerator, PlainListTypeResolvedThroughTheHeader) {
  TempHeader file(
      "typedef CTypedPtrList<CObList, CBar*> CBarList;\r\n"
      "class CShape : public CObject\r\n{\r\n\tCFooList m_items;\r\n};\r\n"
      "typedef CTypedPtrList<CPtrList, CFoo*> CFooList; // the element list\r\n");
  TestClass shape("CShape");
  shape.SetFile(file.Path());
  shape.Add("CFooList", "m_items", kPlain, 2);
  EXPECT_EQ(shape.Body(GeneratorKind::Serialize),
            Head() + "\r\n\t\t// storing (CFooList's)\r\n" +
                StoringLoop("CFooList", "m_items", ".", "CFoo") + "\r\n" + kMiddle +
                "\r\n\t\t// loading (CFooList's)\r\n" +
                LoadingLoop("CFooList", "m_items", ".", "CFoo") + "\r\n" + Tail());
}

TEST(SerializeGenerator, NothingTickedKeepsHeadMiddleAndTail) {
  TestClass shape("CShape");
  shape.Add("int", "m_a", kPlain, 0);
  EXPECT_EQ(shape.Body(GeneratorKind::Serialize), Head() + kMiddle + Tail());
}

}  // namespace
}  // namespace varnwick::testing
