#include <gtest/gtest.h>

#include "CMemberInfo.h"

namespace varnwick {
namespace {

CMemberInfo Member(std::string type, std::string name, bool pointer = false) {
  CMemberInfo member;
  member.m_strType = std::move(type);
  member.m_strName = std::move(name);
  member.m_bPointer = pointer;
  return member;
}

TEST(MemberInfoTest, LineTextShowsTheStarOfAPointer) {
  EXPECT_EQ(Member("CWnd", "m_pParent", true).LineText(), "CWnd* m_pParent");
  EXPECT_EQ(Member("int", "m_nCount").LineText(), "int m_nCount");
}

TEST(MemberInfoTest, IconIndexLaterMarksWin) {
  struct Case {
    bool isStatic, isConst, pointer, dialog;
    int icon;
  };
  const Case cases[] = {
      {false, false, false, false, 0}, {true, false, false, false, 3}, {false, true, false, false, 4},
      {true, true, false, false, 5},   {true, true, true, false, 2},   {true, false, true, true, 1},
      {false, false, true, true, 1},
  };
  for (const Case& c : cases) {
    CMemberInfo member = Member("int", "m_a", c.pointer);
    member.m_bStatic = c.isStatic;
    member.m_bConst = c.isConst;
    member.m_bDialog = c.dialog;
    EXPECT_EQ(member.IconIndex(), c.icon) << c.isStatic << c.isConst << c.pointer << c.dialog;
  }
}

TEST(MemberInfoTest, DocumentsViewsAndDialogsAreShownUnticked) {
  for (const char* type : {"CMyDoc", "CChildView", "CAboutDlg"}) {
    CMemberInfo member = Member(type, "m_x");
    member.m_nCheckState = 1;
    EXPECT_EQ(member.ShownCheckState(), 0) << type;
    EXPECT_EQ(member.m_nCheckState, 1) << "the record keeps its own state";
  }
  // Only after the first character: a type that begins with the word keeps its state.
  for (const char* type : {"Document", "ViewPort", "CString"}) {
    CMemberInfo member = Member(type, "m_x");
    member.m_nCheckState = 2;
    EXPECT_EQ(member.ShownCheckState(), 2) << type;
  }
}

}  // namespace
}  // namespace varnwick
