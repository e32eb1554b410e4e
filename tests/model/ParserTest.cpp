#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CClassInfo.h"
#include "DeclarationReader.h"
#include "HeaderFile.h"

namespace varnwick {
namespace {

struct MemberView {
  std::string type;
  std::string name;
  bool pointer;
  int state;
  bool operator==(const MemberView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MemberView& m) {
  return out << "{" << m.type << ", " << m.name << ", " << m.pointer << ", " << m.state << "}";
}

std::vector<MemberView> Members(const CClassInfo& record) {
  std::vector<MemberView> members;
  for (const auto& m : record.m_pMembers) members.push_back({m->m_strType, m->m_strName, m->m_bPointer, m->m_nCheckState});
  return members;
}

// Every parse here runs twice: a count-only parse (what the class listing uses) must find the same
// class, the same number of members and the same rest as the parse that makes the records.
std::vector<MemberView> ParseMembers(const std::string& text) {
  CClassInfo record;
  EXPECT_TRUE(record.LoadFromText(text)) << text;
  CClassInfo counted;
  EXPECT_TRUE(counted.LoadFromText(text, CMemberDetail::kCount)) << text;
  EXPECT_TRUE(counted.m_pMembers.empty());
  EXPECT_EQ(counted.MemberCount(), record.m_pMembers.size()) << text;
  EXPECT_EQ(counted.m_strName, record.m_strName);
  EXPECT_EQ(counted.m_strBase, record.m_strBase);
  EXPECT_EQ(counted.m_strRest.data(), record.m_strRest.data());
  return Members(record);
}

TEST(ParserTest, ReadsTheUsualLinesOfAHeader) {
  const std::string text =
      "// MainFrm.h : interface\r\n"
      "#pragma once\r\n"
      "class CMainFrame : public CFrameWnd\r\n"
      "{\r\n"
      "public:\r\n"
      "\tDECLARE_DYNCREATE(CMainFrame)\r\n"
      "\tvirtual ~CMainFrame();\r\n"
      "\tafx_msg void OnPaint();\r\n"
      "\tenum { IDD = IDD_ABOUTBOX };\r\n"
      "#ifdef _DEBUG\r\n"
      "#endif\r\n"
      "\tint m_nCount;   // how many\r\n"
      "\tCString m_strTitle, m_strText;\r\n"
      "\tCButton m_btnOK;\r\n"
      "\tCObList m_list;\r\n"
      "\tCWnd* m_pParent;\r\n"
      "\tunsigned long m_nSize;\r\n"
      "};\r\n";
  const std::vector<MemberView> expected = {
      {"int", "m_nCount", false, 1},    {"CString", "m_strTitle", false, 1}, {"CString", "m_strText", false, 1},
      {"CButton", "m_btnOK", false, 0}, {"CObList", "m_list", false, 2},     {"CWnd", "m_pParent", true, 0},
  };
  EXPECT_EQ(ParseMembers(text), expected);
}

TEST(ParserTest, ClassHeadGivesNameAndUntrimmedBase) {
  struct Case {
    std::string head;
    std::string name;
    std::string base;
  };
  const std::vector<Case> cases = {
      {"class CAboutDlg : public CDialog", "CAboutDlg", " public CDialog"},
      {"class CMyWnd {", "CMyWnd", ""},
      {"class CA : public CB {", "CA", " public CB"},
      {"class AFX_EXT_CLASS CMyCtl : public CWnd", "CMyCtl", " public CWnd"},
      {"class CFinalOne final : public CWnd", "CFinalOne", " public CWnd"},
      {"class final", "final", ""},
      {"class\tCTabbed", "class\tCTabbed", ""},  // "class " must be followed by a blank
  };
  for (const Case& c : cases) {
    CClassInfo record;
    const bool found = record.LoadFromText(c.head + "\r\n{\r\n};\r\n");
    if (c.head.starts_with("class ")) {
      EXPECT_TRUE(found) << c.head;
      EXPECT_EQ(record.m_strName, c.name) << c.head;
      EXPECT_EQ(record.m_strBase, c.base) << c.head;
    } else {
      EXPECT_FALSE(found) << c.head;
    }
  }
}

TEST(ParserTest, HeadContinuedOnTheNextLineJoinsTheBaseWithoutSeparator) {
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText("class CMainFrame : public CFrameWnd,\r\n   public CMixin\r\n{\r\n};\r\n"));
  EXPECT_EQ(record.m_strName, "CMainFrame");
  EXPECT_EQ(record.m_strBase, " public CFrameWnd,public CMixin");
}

TEST(ParserTest, LineFeedAndCarriageReturnLineEndsReadAlike) {
  const std::string lf = "class CA\n{\n\tint m_a;\n\tCString m_s;\n};\n";
  std::string crlf;
  for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  std::string mixed = "class CA\r\n{\n\tint m_a;\r\n\tCString m_s;\n};";
  const std::vector<MemberView> expected = {{"int", "m_a", false, 1}, {"CString", "m_s", false, 1}};
  EXPECT_EQ(ParseMembers(lf), expected);
  EXPECT_EQ(ParseMembers(crlf), expected);
  EXPECT_EQ(ParseMembers(mixed), expected);
}

TEST(ParserTest, DeclaratorListsAndPointerMarks) {
  // A line ending in "," continues on the next; the continuation's comment is dropped.
  EXPECT_EQ(ParseMembers("class CA\n{\nint m_a,\nm_b; // second\n};\n"),
            (std::vector<MemberView>{{"int", "m_a", false, 1}, {"int", "m_b", false, 1}}));
  // Once a declarator holds "*", every later one of the line is a pointer too.
  EXPECT_EQ(ParseMembers("class CA\n{\nint m_a, *m_p, m_b;\n};\n"),
            (std::vector<MemberView>{{"int", "m_a", false, 1}, {"int", "m_p", true, 1}, {"int", "m_b", true, 1}}));
  // Declarators with a blank, and empty ones, name no member.
  EXPECT_EQ(ParseMembers("class CA\n{\nint m_a = 5, m_b;\nint ,m_c;\n};\n"),
            (std::vector<MemberView>{{"int", "m_b", false, 1}, {"int", "m_c", false, 1}}));
  // An array keeps its brackets; a template type keeps its arguments and stars.
  EXPECT_EQ(ParseMembers("class CA\n{\nchar m_buf[256];\nCTypedPtrList<CPtrList, CFoo*> m_list;\n};\n"),
            (std::vector<MemberView>{{"char", "m_buf[256]", false, 1},
                                     {"CTypedPtrList<CPtrList, CFoo*>", "m_list", false, 2}}));
}

TEST(ParserTest, PointerRuleDependsOnTypeAndClassName) {
  const std::string body = "\n{\nCFoo* m_pFoo;\nint* m_pn;\nCString* m_ps;\nCObList* m_pl;\n};\n";
  EXPECT_EQ(ParseMembers("class CMyView" + body),
            (std::vector<MemberView>{{"CFoo", "m_pFoo", true, 0}, {"int", "m_pn", true, 1},
                                     {"CString", "m_ps", true, 1}, {"CObList", "m_pl", true, 2}}));
  EXPECT_EQ(ParseMembers("class CMyDoc" + body),
            (std::vector<MemberView>{{"CFoo", "m_pFoo", true, 1}, {"int", "m_pn", true, 1},
                                     {"CString", "m_ps", true, 1}, {"CObList", "m_pl", true, 2}}));
}

TEST(ParserTest, TypeRulesDecideTheInitialState) {
  EXPECT_EQ(ParseMembers("class CA\n{\nCFont m_f;\nCImageList m_il;\nCListCtrl m_lc;\nCPen m_pen;\n"
                         "CStatusBar m_bar;\nCObList m_ol;\nCStringList m_sl;\nListenerList m_ll;\n};\n"),
            (std::vector<MemberView>{{"CFont", "m_f", false, 0},
                                     {"CImageList", "m_il", false, 0},
                                     {"CListCtrl", "m_lc", false, 0},
                                     {"CPen", "m_pen", false, 0},
                                     {"CStatusBar", "m_bar", false, 0},
                                     {"CObList", "m_ol", false, 2},
                                     {"CStringList", "m_sl", false, 2},
                                     // Only the first "List" counts, and it begins this type.
                                     {"ListenerList", "m_ll", false, 1}}));
}

// Template types run past the sixteen bytes the type scan takes at a time: every word must count
// wherever it stands, across a chunk's edge and in the last, overlapping chunk too.
TEST(ParserTest, TypeWordsCountAnywhereInShortAndLongTypes) {
  const std::vector<std::string> controls = {"Ctrl", "ctrl", "Box", "Bar", "Button", "Brush", "Dlg", "Wnd", "Pen"};
  for (std::size_t before = 0; before <= 36; ++before) {
    for (std::size_t after : {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{20}}) {
      const std::string pad(before, 'x');
      const std::string tail(after, 'x');
      for (const std::string& word : controls) {
        EXPECT_EQ(TypeCheckState(pad + word + tail, false), kCheckSkip) << pad + word + tail;
      }
      const std::string list = pad + "List" + tail;
      EXPECT_EQ(TypeCheckState(list, false), before > 0 ? kCheckList : kCheckGenerate) << list;
      EXPECT_EQ(TypeCheckState("List" + pad + "List" + tail, false), kCheckGenerate) << "only the first List counts";
      const std::string dialogString = "C" + pad + "String" + tail;
      EXPECT_EQ(TypeCheckState(dialogString, true), kCheckGenerate) << dialogString;
      EXPECT_EQ(TypeCheckState("C" + pad + "Strinx" + tail, true), kCheckSkip) << dialogString;
      EXPECT_EQ(TypeCheckState(pad + "LisT" + "Ctr" + tail, false), kCheckGenerate) << "near misses";
    }
  }
}

TEST(ParserTest, DialogDataBlockMarksMembers) {
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText(
      "class CMyDlg : public CDialog\n{\n\t//{{AFX_DATA(CMyDlg)\n\tenum { IDD = IDD_MY };\n"
      "\tCEdit m_edit;\n\tCString m_strName;\n\tint m_nRadio;\n\t//}}AFX_DATA\n\tint m_nAfter;\n};\n"));
  EXPECT_EQ(Members(record), (std::vector<MemberView>{{"CEdit", "m_edit", false, 0},
                                                      {"CString", "m_strName", false, 1},
                                                      {"int", "m_nRadio", false, 1},
                                                      {"int", "m_nAfter", false, 1}}));
  const std::vector<bool> dialog = {true, true, true, false};
  for (std::size_t i = 0; i < dialog.size(); ++i) EXPECT_EQ(record.m_pMembers[i]->m_bDialog, dialog[i]) << i;
}

TEST(ParserTest, QualifiersInEitherOrder) {
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText(
      "class CA\n{\nstatic int s_a;\nconst int c_b;\nstatic const int sc_c;\nconst static int cs_d;\n};\n"));
  ASSERT_EQ(record.m_pMembers.size(), 4u);
  const bool expectedStatic[] = {true, false, true, true};
  const bool expectedConst[] = {false, true, true, true};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(record.m_pMembers[i]->m_strType, "int");
    EXPECT_EQ(record.m_pMembers[i]->m_bStatic, expectedStatic[i]) << i;
    EXPECT_EQ(record.m_pMembers[i]->m_bConst, expectedConst[i]) << i;
  }
}

TEST(ParserTest, NestedStructuresAreSkipped) {
  EXPECT_EQ(ParseMembers("class CA\n{\nstruct Inner\n{\nint m_x;\n};\nint m_a;\nstruct tm m_tm;\nint m_lost;\n"
                         "};\nint m_b;\n"),
            (std::vector<MemberView>{{"int", "m_a", false, 1}, {"int", "m_b", false, 1}}));
}

TEST(ParserTest, LinesAfterTheClassStillBelongToIt) {
  // Known and kept: a global after "};" is read as a member of the class before it.
  EXPECT_EQ(ParseMembers("class CA\n{\nint m_a;\n};\nint g_nCount;\n"),
            (std::vector<MemberView>{{"int", "m_a", false, 1}, {"int", "g_nCount", false, 1}}));
  // A forward declaration after the head is a declaration line of type "class".
  EXPECT_EQ(ParseMembers("class CA\n{\nclass CView;\n};\n"), (std::vector<MemberView>{{"class", "CView", false, 1}}));
}

TEST(ParserTest, SecondClassHeadLeavesTheRestUnread) {
  const std::string text = "class CA\r\n{\r\nint m_a;\r\n};\r\nclass CB : public CA\r\n{\r\nint m_b;\r\n};\r\n";
  CClassInfo first;
  ASSERT_TRUE(first.LoadFromText(text));
  EXPECT_EQ(first.m_strName, "CA");
  EXPECT_EQ(first.m_pMembers.size(), 1u);
  EXPECT_EQ(first.m_strRest, std::string_view(text).substr(text.find("class CB")));
  CClassInfo second;
  ASSERT_TRUE(second.LoadFromText(first.m_strRest));
  EXPECT_EQ(second.m_strName, "CB");
  EXPECT_EQ(second.m_strBase, " public CA");
  EXPECT_TRUE(second.m_strRest.empty());
}

TEST(ParserTest, TextsWithoutAClassOrEndingInAComma) {
  CClassInfo record;
  EXPECT_FALSE(record.LoadFromText(""));
  EXPECT_FALSE(record.LoadFromText("int m_a;\nstruct S { int x; };\n"));
  EXPECT_FALSE(record.LoadFromText("class CView;\n"));
  // The last line ends with ",": it is read to the end and declares nothing.
  EXPECT_EQ(ParseMembers("class CA\n{\nint m_a;\nint m_b,"), (std::vector<MemberView>{{"int", "m_a", false, 1}}));
}

// The names of every class of `text`, read as the catalogue reads a header: parse, then parse the
// unread rest again until no class is left. Each parse is made twice, as in ParseMembers.
std::vector<std::string> ClassNames(const std::string& text) {
  std::vector<std::string> names;
  std::string_view rest = text;
  while (!rest.empty()) {
    CClassInfo record;
    const bool found = record.LoadFromText(rest);
    CClassInfo counted;
    EXPECT_EQ(counted.LoadFromText(rest, CMemberDetail::kCount), found);
    EXPECT_EQ(counted.m_strName, record.m_strName);
    EXPECT_EQ(counted.m_strBase, record.m_strBase);
    EXPECT_EQ(counted.MemberCount(), record.m_pMembers.size());
    EXPECT_EQ(counted.m_strRest.data(), record.m_strRest.data());
    if (!found) break;
    names.push_back(record.m_strName);
    rest = record.m_strRest;
  }
  return names;
}

using Names = std::vector<std::string>;

// MIDL writes a COM class's forward declaration over two lines; it begins no class, before a class
// head or after one.
TEST(ParserTest, AComClassForwardDeclarationOverTwoLinesIsNoClass) {
  const std::string midl =
      "#ifdef __cplusplus\r\n"
      "EXTERN_C const CLSID CLSID_MediaDet;\r\n"
      "class DECLSPEC_UUID(\"65BD0711-24D2-4ff7-9324-ED2E5D3ABAFB\")\r\n"
      "MediaDet;\r\n"
      "#endif\r\n";
  EXPECT_EQ(ClassNames(midl), Names{});
  EXPECT_EQ(ClassNames(midl + "class CReal : public CObject\r\n{\r\n\tint m_a;\r\n};\r\n"), Names{"CReal"});
  const std::string both = "class CA\r\n{\r\n\tint m_a;\r\n};\r\n" + midl + "int m_b;\r\nclass CB\r\n{\r\n};\r\n";
  EXPECT_EQ(ClassNames(both), (Names{"CA", "CB"}));
  // The lines between belong to CA as before; the forward declaration adds nothing.
  EXPECT_EQ(ParseMembers(both), (std::vector<MemberView>{{"int", "m_a", false, 1}, {"int", "m_b", false, 1}}));
  // The same with line-feed line ends and a comment after the name.
  EXPECT_EQ(ClassNames("class DECLSPEC_UUID(\"x\")\nMediaDet; // coclass\nclass CReal\n{\n};\n"), Names{"CReal"});
  // A head with a name whose ";" or declarator stands on the next line declares, too.
  EXPECT_EQ(ClassNames("class CFwd\r\n;\r\nclass CFoo\r\nm_foo;\r\n"), Names{});
}

TEST(ParserTest, DeclarationSpecifiersAreNoPartOfTheName) {
  struct Case {
    std::string head;
    std::string name;
    std::string base;
  };
  const std::vector<Case> cases = {
      {"class DECLSPEC_UUID(\"65BD0711-24D2-4ff7-9324-ED2E5D3ABAFB\") CMediaDet : public IUnknown", "CMediaDet",
       " public IUnknown"},
      {"class __declspec(uuid(\"a:b c\")) CBar", "CBar", ""},
      {"class __declspec(novtable) CBaz {", "CBaz", ""},
      {"class __declspec(dllexport) CExp final : public CWnd", "CExp", " public CWnd"},
      {"class AFX_EXT_CLASS __declspec(novtable) CBoth : public CObject", "CBoth", " public CObject"},
  };
  for (const Case& c : cases) {
    CClassInfo record;
    ASSERT_TRUE(record.LoadFromText(c.head + "\r\n{\r\n\tint m_a;\r\n};\r\n")) << c.head;
    EXPECT_EQ(record.m_strName, c.name) << c.head;
    EXPECT_EQ(record.m_strBase, c.base) << c.head;
  }
  // Only specifiers on the head's line: the name and base list follow on the next line.
  const std::string split = "class DECLSPEC_UUID(\"x\")\r\nCMediaDet : public IUnknown\r\n{\r\n\tint m_a;\r\n};\r\n";
  EXPECT_EQ(ParseMembers(split), (std::vector<MemberView>{{"int", "m_a", false, 1}}));
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText(split));
  EXPECT_EQ(record.m_strName, "CMediaDet");
  EXPECT_EQ(record.m_strBase, " public IUnknown");
  // Specifiers and no name anywhere: no class, and the header's later classes are still read.
  EXPECT_EQ(ClassNames("class __declspec(novtable)\r\n{\r\n};\r\nclass CLater\r\n{\r\n};\r\n"), Names{"CLater"});
}

TEST(ParserTest, AClassHeadInAMacroBodyIsNoClass) {
  // Continued with a backslash, and the line after it.
  EXPECT_EQ(ClassNames("#define DECLARE_PAIR(name) \\\r\n"
                       "class C##name##Pair : public CObject \\\r\n"
                       "{ \\\r\n"
                       "};\r\n"
                       "#define DECLARE_ONE \\\r\n"
                       "  class CInMacro\r\n"
                       "class CReal\r\n{\r\n\tint m_a;\r\n};\r\n"),
            Names{"CReal"});
  // After a class: a head that pastes tokens, and the heads of a macro body; the parse goes on
  // past them to the next real head.
  EXPECT_EQ(ClassNames("class CA\r\n{\r\n};\r\nclass name##Impl\r\n#  define IMPL(x) /* c */ \\\r\n"
                       "\t/* between */ \\\r\n\tclass CImpl \\\r\n\t: public CA \\\r\n\tclass CImpl2\r\nclass CB\r\n{\r\n};\r\n"),
            (Names{"CA", "CB"}));
  // A backslash two lines up does not reach the head; nor does one at the end of a comment, which
  // in a double-byte code page is often a character's second byte (Shift-JIS 0x83 0x5C).
  EXPECT_EQ(ClassNames("#define X \\\r\n  1\r\nclass CA\r\n{\r\n};\r\n"), Names{"CA"});
  EXPECT_EQ(ClassNames("// \x83\x5C\r\nclass CA\r\n{\r\n};\r\n"), Names{"CA"});
  EXPECT_EQ(ClassNames("int a; // \x83\x5C\r\n// \x83\x5C\r\nclass CA\r\n{\r\n};\r\n"), Names{"CA"});
  // A head spliced with a backslash outside a macro is still a class.
  EXPECT_EQ(ClassNames("class CSpliced : public CObject \\\r\n{\r\n};\r\n"), Names{"CSpliced"});
}

// Many heads in one long macro body: each is walked back over once, not once per head after it.
TEST(ParserTest, TheHeadsOfALongMacroBodyAreWalkedBackOverOnce) {
  std::string text = "class CFirst\r\n{\r\n};\r\n#define MANY \\\r\n";
  while (text.size() + 64 < kMaxHeaderBytes) text += "class CInMacro \\\r\n";
  text += "\r\nclass CLast\r\n{\r\n};\r\n";
  EXPECT_EQ(ClassNames(text), (Names{"CFirst", "CLast"}));
}

TEST(ParserTest, ATemplateNameKeepsItsArgumentsWhole) {
  struct Case {
    std::string head;
    std::string name;
    std::string base;
  };
  const std::vector<Case> cases = {
      {"class __gmp_expr<mpz_t, mpz_t>", "__gmp_expr<mpz_t, mpz_t>", ""},
      {"class CArray<int,int> : public CObject", "CArray<int,int>", " public CObject"},
      {"class CMap<CString, LPCTSTR, int, int> {", "CMap<CString, LPCTSTR, int, int>", ""},
      {"class Foo<std::pair<int, int> > : public Bar", "Foo<std::pair<int, int> >", " public Bar"},
      {"class AFX_EXT_CLASS CList<CPoint, CPoint&> final", "CList<CPoint, CPoint&>", ""},
      {"class Apart <int, long>", "Apart <int, long>", ""},
  };
  for (const Case& c : cases) {
    CClassInfo record;
    ASSERT_TRUE(record.LoadFromText("template <>\r\n" + c.head + "\r\n{\r\n};\r\n")) << c.head;
    EXPECT_EQ(record.m_strName, c.name) << c.head;
    EXPECT_EQ(record.m_strBase, c.base) << c.head;
  }
}

// Found by a header of 115,000 continuation lines, which took minutes to read: each line was
// joined by copying the whole declaration again (the worst-case benchmark has the figures). The
// test's time limit watches for a reader that has gone quadratic again.
TEST(ParserTest, AContinuationChainAsLongAsTheSizeLimitAllowsIsOneDeclaration) {
  std::string text = "class CChain\r\n{\r\n\tint m_0,\r\n";
  int last = 0;
  while (text.size() + 32 < kMaxHeaderBytes) text += "m_" + std::to_string(++last) + ",\r\n";
  text += "\t\tm_end;\r\n};\r\n";
  CClassInfo record;
  ASSERT_TRUE(record.LoadFromText(text));
  ASSERT_EQ(record.m_pMembers.size(), static_cast<std::size_t>(last) + 2);
  EXPECT_EQ(record.m_pMembers[static_cast<std::size_t>(last)]->m_strName, "m_" + std::to_string(last));
  EXPECT_EQ(record.m_pMembers.back()->m_strName, "m_end");
}

}  // namespace
}  // namespace varnwick
