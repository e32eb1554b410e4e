#include <gtest/gtest.h>

#include "GenerateTestSupport.h"

namespace varnwick::testing {
namespace {

// Members of a dialog class; none of these generators has a list form or skips statics.
class DialogAndListGenerators : public ::testing::Test {
 protected:
  DialogAndListGenerators() {
    dialog.Add("CEdit", "m_pEdit", kPointer | kDialog);
    dialog.Add("CPtrList", "m_list", kPlain, 2);
    dialog.Add("CString", "m_strName", kDialog);
    dialog.Add("CString", "m_note");
    dialog.Add("int", "m_off", kPlain, 0);
    dialog.Add("int", "s_count", kStatic);
  }
  TestClass dialog{"CAboutDlg", " public CDialog"};
};

TEST_F(DialogAndListGenerators, ModalDialogCopiesInAndBack) {
  std::optional<GeneratedText> text = dialog.Run(GeneratorKind::ModalDialog);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            BannerA() + "//Dialog ( CAboutDlg:: public CDialog )\r\n\tCAboutDlg dlg;\r\n" +
                "\r\n\t//****(CEdit*'s)****\r\n"
                "\tdlg.m_pEdit\t= m_pEdit; //<--To dlg Resource //Pointer !\r\n"
                "\r\n\t//****(CPtrList's)****\r\n"
                "\tdlg.m_list\t= m_list; \r\n"
                "\r\n\t//****(CString's)****\r\n"
                "\tdlg.m_strName\t= m_strName; //<--To dlg Resource\r\n"
                "\tdlg.m_note\t= m_note; \r\n"
                "\r\n\t//****(int's)****\r\n"
                "\tdlg.s_count\t= s_count; \r\n"
                "\r\n\tif ( dlg.DoModal( ) == IDOK )\r\n\t{\r\n"
                "\r\n\t\t//****(CEdit*'s)****\r\n"
                "\t\t//Pointer m_pEdit = dlg.m_pEdit; //-->From dlg Resource\r\n"
                "\r\n\t\t//****(CPtrList's)****\r\n"
                "\t\tm_list\t= dlg.m_list;  \r\n"
                "\r\n\t\t//****(CString's)****\r\n"
                "\t\tm_strName\t= dlg.m_strName; //-->From dlg Resource \r\n"
                "\t\tm_note\t= dlg.m_note;  \r\n"
                "\r\n\t\t//****(int's)****\r\n"
                "\t\ts_count\t= dlg.s_count;  \r\n"
                "\r\n\t\t//return TRUE;\r\n\t}\r\n\r\n\t//return FALSE;\r\n" + BannerA());
  EXPECT_EQ(text->declaration, "");
}

TEST_F(DialogAndListGenerators, ModalDialogWithNothingTicked) {
  TestClass empty("CAboutDlg", " public CDialog");
  empty.Add("int", "m_a", kPlain, 0);
  EXPECT_EQ(empty.Body(GeneratorKind::ModalDialog),
            BannerA() + "//Dialog ( CAboutDlg:: public CDialog )\r\n\tCAboutDlg dlg;\r\n" +
                "\r\n\tif ( dlg.DoModal( ) == IDOK )\r\n\t{\r\n"
                "\r\n\t\t//return TRUE;\r\n\t}\r\n\r\n\t//return FALSE;\r\n" + BannerA());
}

TEST_F(DialogAndListGenerators, MembersListNamesTheTickedMembers) {
  std::optional<GeneratedText> text = dialog.Run(GeneratorKind::MembersList);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->body,
            "\t//****Members of ( CAboutDlg:: public CDialog )****\r\n"
            "\r\n\t//****(CEdit*'s)****\r\n\tm_pEdit\r\n"
            "\r\n\t//****(CPtrList's)****\r\n\tm_list\r\n"
            "\r\n\t//****(CString's)****\r\n\tm_strName\r\n\tm_note\r\n"
            "\r\n\t//****(int's)****\r\n\ts_count\r\n"
            "\t//" + Stars(30) + "\r\n");
  EXPECT_EQ(text->declaration, "");
}

TEST(MembersValuesGenerator, DefaultValuesAndPrefixes) {
  TestClass shape("CShape", " public CObject");
  shape.Add("BOOL", "m_bOn");
  shape.Add("CPoint", "m_pt");
  shape.Add("CPoint", "m_pPt", kPointer);
  shape.Add("CRect", "m_rc");
  shape.Add("CString", "m_s");
  shape.Add("CString", "m_pS", kPointer);
  shape.Add("CString", "s_name", kStatic);
  shape.Add("CStringArray", "m_arr");
  shape.Add("bool", "m_b");
  shape.Add("double", "m_d");
  shape.Add("double", "m_pd", kPointer);
  shape.Add("float", "m_f");
  shape.Add("int", "m_k", kConst);
  shape.Add("int", "s_max", kStatic | kConst);
  EXPECT_EQ(shape.Body(GeneratorKind::MembersValues),
            "\t//****Members of ( CShape:: public CObject )****\r\n"
            "\r\n\t//****(BOOL's)****\r\n\tm_bOn\t= FALSE ;\r\n"
            "\r\n\t//****(CPoint's)****\r\n\tm_pt\t= CPoint(0,0) ;\r\n\tm_pPt\t= NULL ;\r\n"
            "\r\n\t//****(CRect's)****\r\n\tm_rc\t= CRect(0,0,0,0) ;\r\n"
            "\r\n\t//****(CString's)****\r\n\tm_s\t= _T(\"\") ;\r\n\tm_pS\t= NULL ;\r\n"
            "\tstatic CString s_name\t= _T(\"\") ;\r\n"
            "\r\n\t//****(CStringArray's)****\r\n\tm_arr\t= _T(\"\") ;\r\n"
            "\r\n\t//****(bool's)****\r\n\tm_b\t= FALSE ;\r\n"
            "\r\n\t//****(double's)****\r\n\tm_d\t= 0.0 ;\r\n\tm_pd\t= NULL ;\r\n"
            "\r\n\t//****(float's)****\r\n\tm_f\t= 0 ;\r\n"
            "\r\n\t//****(int's)****\r\n\tconst m_k\t= 0 ;\r\n\tstatic const int s_max\t= 0 ;\r\n"
            "\t//" + Stars(30) + "\r\n");
}

}  // namespace
}  // namespace varnwick::testing
