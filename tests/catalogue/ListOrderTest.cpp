#include <gtest/gtest.h>

#include "CClassInfo.h"
#include "ListOrder.h"
#include "MemberStates.h"

namespace varnwick {
namespace {

TEST(ListOrderTest, CaseInsensitiveByUnsignedBytes) {
  EXPECT_LT(CompareListText("m_a", "M_b"), 0);
  EXPECT_LT(CompareListText("M_b", "m_c"), 0);
  EXPECT_EQ(CompareListText("CString", "cstring"), 0);
  EXPECT_LT(CompareListText("abc", "abcd"), 0);
  EXPECT_LT(CompareListText("z", "\xC3\xA9"), 0) << "bytes above 0x7F sort after ASCII";
  EXPECT_LT(CompareListText("A_", "a`"), 0) << "'_' (0x5F) before '`' (0x60); letters fold, nothing else";
}

TEST(ListOrderTest, MemberListOrdersByLineTextKeepingHeaderOrderForTies) {
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText(
      "class CA\n{\nint m_z;\nCString* m_pS;\nCString m_b;\nint m_a;\ncstring m_dup;\nCString m_dup;\n};\n"));
  std::vector<std::string> order;
  for (const CMemberInfo* member : MemberListOrder(record)) order.push_back(member->LineText());
  // '*' (0x2A) sorts after ' ' (0x20), so a pointer follows the plain members of its type.
  EXPECT_EQ(order, (std::vector<std::string>{"CString m_b", "cstring m_dup", "CString m_dup", "CString* m_pS",
                                             "int m_a", "int m_z"}));
}

TEST(ListOrderTest, FirstGridRowOfANameDecidesItsState) {
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText("class CMyView\n{\nint m_a;\nCMyDoc* m_pDoc;\nCObList m_list;\nint m_a;\n};\n"));
  std::vector<CMemberRow> rows = InitialMemberRows(record);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(FindMemberState(rows, "m_pDoc"), 0);
  EXPECT_EQ(FindMemberState(rows, "m_list"), 2);
  rows[0].state = 0;
  rows[3].state = 2;
  EXPECT_EQ(FindMemberState(rows, "m_a"), 0);
  EXPECT_EQ(FindMemberState(rows, "m_unknown"), 1);
  EXPECT_EQ(FindMemberState(rows, "M_A"), 1) << "names compare exactly";
  // The index that the generators use answers the same.
  const CMemberStateIndex index(rows);
  for (const char* name : {"m_pDoc", "m_list", "m_a", "m_unknown", "M_A", ""}) {
    EXPECT_EQ(index.Find(name), FindMemberState(rows, name)) << name;
  }
}

}  // namespace
}  // namespace varnwick
