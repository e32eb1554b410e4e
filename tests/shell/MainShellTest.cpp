#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "CFakeHost.h"
#include "CMainShell.h"
#include "Generator.h"
#include "MessageText.h"
#include "ShellCommands.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::CFakeHost;
using test::SelectedName;
using test::TempDir;

int CommandOf(GeneratorKind kind) {
  for (const GeneratorInfo& info : AllGenerators())
    if (info.kind == kind) return info.commandId;
  return 0;
}

// A shell over a fake front end, with headers written into a folder of their own.
class MainShellTest : public ::testing::Test {
 protected:
  MainShellTest() { host.Attach(shell); }

  // Add on a header written with `text`.
  void Add(const std::string& name, const std::string& text) {
    host.nextFile = dir.Write(name, text);
    shell.RunCommand(kCommandClassAdd);
  }
  std::vector<std::string> RowNames() const {
    std::vector<std::string> names;
    for (std::size_t row = 0; row < shell.ClassList().rows.size(); ++row) names.push_back(shell.ClassAtRow(row).m_strName);
    return names;
  }
  std::vector<std::string> GridNames() const {
    std::vector<std::string> names;
    for (const CGridRow& row : shell.Members().Grid()) names.push_back(row.member->m_strName);
    return names;
  }

  TempDir dir;
  CFakeHost host;
  CMainShell shell{host};
};

TEST_F(MainShellTest, AddSelectsTheFirstClassOfTheNewHeaderAndShowsItsMembers) {
  Add("b.h", "class CZeta\n{\nint m_z;\n};\nclass CAlpha\n{\n};\n");
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CAlpha", "CZeta"}));
  EXPECT_EQ(SelectedName(shell), "CZeta");
  EXPECT_EQ(shell.Members().ShownClass(), shell.SelectedClass());
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"m_z"}));

  // A header without a class is named, and the list is refilled as it was.
  Add("none.h", "int g_x;\n");
  EXPECT_EQ(host.messages, (std::vector<std::string>{"No class information in " + dir / "none.h"}));
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CAlpha", "CZeta"}));
  EXPECT_EQ(SelectedName(shell), "CZeta");

  // A cancelled dialog does nothing at all.
  const int fills = host.classListFills;
  host.nextFile.reset();
  shell.RunCommand(kCommandClassAdd);
  EXPECT_EQ(host.classListFills, fills);
}

TEST_F(MainShellTest, OversizedHeaderEndsAddWithItsMessageAndChangesNothing) {
  Add("a.h", "class CA\n{\n};\n");
  std::string large = "class CHuge\n{\n";
  large.resize(1048576, ' ');
  const int fills = host.classListFills;
  Add("large.h", large);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"The file " + dir / "large.h" +
                                                     " is larger than 1,048,575 bytes and cannot be read."}));
  EXPECT_EQ(host.classListFills, fills);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"CA"}));
}

TEST_F(MainShellTest, StartupFilesAreLoadedAndTheirProblemsToldTogether) {
  const std::string good = dir.Write("good.h", "class CGood\n{\n};\n");
  const std::string none = dir.Write("none.h", "int g_x;\n");
  const std::string quoted = "\"" + good + "\"";
  const std::string text = shell.LoadStartupFiles({good, none, quoted});
  EXPECT_EQ(text, "No class information for " + none + "\nNo class information for " + quoted);
  EXPECT_TRUE(host.messages.empty());  // the front end shows the text once its window is up
  EXPECT_EQ(SelectedName(shell), "CGood");
  shell.WindowShown();
  EXPECT_EQ(host.messages, (std::vector<std::string>{text}));
  shell.WindowShown();
  EXPECT_EQ(host.messages.size(), 1u);  // told once
  EXPECT_EQ(shell.LoadStartupFiles({}), "");
}

// A file manager may hand over hundreds of files: a box of one line each would outgrow the screen.
TEST_F(MainShellTest, ManyStartupProblemsAreCountedWithTheirLinesInTheDetails) {
  std::vector<std::string> files{dir.Write("good.h", "class CGood\n{\n};\n")};
  for (int i = 0; i < 11; ++i) files.push_back(dir.Write("none" + std::to_string(i) + ".h", "int g_x;\n"));
  const std::string text = shell.LoadStartupFiles(files);
  shell.WindowShown();
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(host.detailedMessages.size(), 1u);
  EXPECT_EQ(host.detailedMessages[0].first, "11 of the 12 files given at start-up could not be read:");
  EXPECT_EQ(host.detailedMessages[0].second, text);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
  EXPECT_EQ(SelectedName(shell), "CGood");
}

TEST_F(MainShellTest, SeveralStartupFilesLoadInOrderOnceEachAndTheLastOnesFirstClassIsSelected) {
  const std::string first = dir.Write("first.h", "class CB\n{\n};\nclass CA\n{\n};\n");
  const std::string second = dir.Write("second.h", "class CD\n{\n};\nclass CC\n{\n};\n");
  std::string large = "class CHuge\n{\n";
  large.resize(1048576, ' ');
  const std::string big = dir.Write("big.h", large);
  EXPECT_EQ(shell.LoadStartupFiles({first, second, big, first}), FileTooLargeMessage(big));
  // The header named twice is read twice but loaded once.
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB", "CC", "CD"}));
  EXPECT_EQ(SelectedName(shell), "CB");
}

TEST_F(MainShellTest, DeleteKeepsTheRowOrFallsBackToTheRefillsChoice) {
  Add("abc.h", "class CB\n{\n};\nclass CA\n{\n};\nclass CC\n{\n};\n");
  ASSERT_EQ(SelectedName(shell), "CB");
  shell.RunCommand(kCommandClassDelete);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CC"}));
  EXPECT_EQ(SelectedName(shell), "CC");  // the row the deleted class stood on
  shell.RunCommand(kCommandClassDelete);
  // Past the end: the refill's choice, the first row, as the remembered class has gone.
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA"}));
  EXPECT_EQ(SelectedName(shell), "CA");
  EXPECT_EQ(shell.Members().ShownClass(), shell.SelectedClass());

  // With nothing selected, Delete does nothing.
  shell.SelectClassRow(std::nullopt);
  shell.RunCommand(kCommandClassDelete);
  EXPECT_EQ(RowNames(), (std::vector<std::string>{"CA"}));

  shell.RunCommand(kCommandClassDeleteAll);
  EXPECT_TRUE(host.shownRows.empty());
  EXPECT_EQ(shell.SelectedClass(), nullptr);
  EXPECT_TRUE(shell.Members().Grid().empty());
  EXPECT_TRUE(shell.Members().ListOrder().empty());
  shell.RunCommand(CommandOf(GeneratorKind::Serialize));
  EXPECT_TRUE(host.texts.empty());
}

TEST_F(MainShellTest, SelectingARowShowsItsClassAndClearingKeepsTheMembers) {
  Add("a.h", "class CA\n{\nint m_a;\n};\nclass CB\n{\nint m_b;\n};\n");
  shell.SelectClassRow(1);
  EXPECT_EQ(SelectedName(shell), "CB");
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"m_b"}));
  shell.SelectClassRow(std::nullopt);
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"m_b"}));
  shell.SelectClassRow(7);  // no such row
  EXPECT_EQ(shell.SelectedClass(), nullptr);
}

TEST_F(MainShellTest, FilterSelectsByTheRefillRuleAndKeepsTicksOfTheSameClass) {
  Add("a.h", "class CView\n{\nint m_a;\nint m_b;\n};\n");
  Add("b.h", "class CDoc\n{\nint m_c;\n};\nclass CViewBar\n{\n};\n");
  ASSERT_EQ(SelectedName(shell), "CDoc");
  shell.SelectClassRow(1);  // CView
  ASSERT_EQ(SelectedName(shell), "CView");
  shell.ToggleMemberState(0);
  EXPECT_EQ(host.changedStates, (std::vector<std::size_t>{0}));

  // The selected class stays shown: its ticks stay.
  shell.SetFilter("view");
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CView", "CViewBar"}));
  EXPECT_EQ(shell.FindMemberState("m_a"), 2);

  // The remembered class is hidden: the first row is selected and its members shown afresh.
  shell.SetFilter("bar");
  EXPECT_EQ(SelectedName(shell), "CViewBar");
  EXPECT_TRUE(shell.Members().Grid().empty());

  // Cleared again: the selected class stays selected.
  shell.ToggleMemberState(0);
  shell.SetFilter("");
  EXPECT_EQ(SelectedName(shell), "CViewBar");

  // A filter that shows nothing selects nothing and empties the member views; cleared, the
  // remembered class (first class of the last header) is selected.
  shell.SetFilter("zzz");
  EXPECT_TRUE(host.shownRows.empty());
  EXPECT_EQ(shell.SelectedClass(), nullptr);
  EXPECT_TRUE(shell.Members().Grid().empty());
  shell.SetFilter("");
  EXPECT_EQ(SelectedName(shell), "CDoc");
  shell.SetFilter("zzz");

  // Classes added under a filter are filtered too.
  Add("c.h", "class CViewMore\n{\n};\nclass CZzzTop\n{\n};\n");
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CZzzTop"}));
}

TEST_F(MainShellTest, CheckStatesCycleAndStartAgainWhenTheViewsAreRefilled) {
  Add("a.h", "class CA\n{\nint m_a;\nCDocument* m_pDoc;\n};\n");
  ASSERT_EQ(shell.FindMemberState("m_a"), 1);
  std::vector<int> seen;
  for (int click = 0; click < 3; ++click) {
    shell.ToggleMemberState(0);
    seen.push_back(shell.FindMemberState("m_a"));
  }
  EXPECT_EQ(seen, (std::vector<int>{2, 0, 1}));
  EXPECT_EQ(shell.FindMemberState("m_nothing"), 1);
  shell.ToggleMemberState(9);  // no such row: nothing changes
  EXPECT_EQ(host.changedStates.size(), 3u);

  shell.ToggleMemberState(0);
  shell.SelectClassRow(0);
  EXPECT_EQ(shell.FindMemberState("m_a"), 1);
}

TEST_F(MainShellTest, GenerationWalksTheMemberListNotTheGridsOrder) {
  // The member list sorts by line text: "char m_z" before "int m_a".
  Add("a.h", "class CA\n{\nint m_a;\nchar m_z;\nlong m_off;\n};\n");
  shell.SortMembers(1);
  ASSERT_EQ(GridNames(), (std::vector<std::string>{"m_a", "m_off", "m_z"}));
  shell.ToggleMemberState(1);
  shell.ToggleMemberState(1);  // m_off: 1 -> 2 -> 0, left out
  ASSERT_EQ(shell.FindMemberState("m_off"), 0);
  shell.SortMembers(0);
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"m_z", "m_a", "m_off"}));
  EXPECT_EQ(shell.FindMemberState("m_off"), 0);  // the state went with its row

  shell.RunCommand(CommandOf(GeneratorKind::Serialize));
  ASSERT_EQ(host.texts.size(), 1u);
  const std::string& body = host.texts[0].body;
  EXPECT_EQ(host.texts[0].declaration, "void Serialize(CArchive& ar);");
  ASSERT_NE(body.find("m_z"), std::string::npos);
  EXPECT_LT(body.find("m_z"), body.find("m_a"));
  EXPECT_EQ(body.find("m_off"), std::string::npos);
}

TEST_F(MainShellTest, ThePointerListSettingFollowsBoxAndCommand) {
  EXPECT_TRUE(shell.CheckPtrList());
  shell.SetCheckPtrList(false);
  EXPECT_FALSE(shell.CheckPtrList());
  shell.RunCommand(kCommandCheckPtrList);
  EXPECT_TRUE(shell.CheckPtrList());
  EXPECT_EQ(host.checkBoxPaints, 1);
}

TEST_F(MainShellTest, TheSettingReachesListResolutionAndAHeaderGrownTooLargeIsTold) {
  const std::string path = dir.Write("grows.h", "typedef CTypedPtrList<CPtrList, CItem*> CItemList;\r\n"
                                                 "class CDoc\r\n{\r\n\tCItemList m_items;\r\n\tCList<CItem, CItem&> m_values;\r\n};\r\n");
  host.nextFile = path;
  shell.RunCommand(kCommandClassAdd);
  ASSERT_EQ(shell.FindMemberState("m_items"), 2);
  // m_values starts in its list form too: walked as a pointer list only when lists are not checked.
  ASSERT_EQ(shell.FindMemberState("m_values"), 2);
  const int serialize = CommandOf(GeneratorKind::Serialize);
  shell.RunCommand(serialize);
  shell.SetCheckPtrList(false);
  shell.RunCommand(serialize);
  ASSERT_EQ(host.texts.size(), 2u);
  EXPECT_NE(host.texts[0].body.find("CItem* pBase;"), std::string::npos);
  EXPECT_NE(host.texts[0].body, host.texts[1].body);

  // The element class is looked up in the header again, which has grown past the limit meanwhile.
  shell.SetCheckPtrList(true);
  std::ofstream(path, std::ios::binary | std::ios::app) << std::string(1048576, ' ');
  shell.RunCommand(serialize);
  EXPECT_EQ(host.texts.size(), 2u);
  EXPECT_EQ(host.messages, (std::vector<std::string>{FileTooLargeMessage(path)}));
  EXPECT_EQ(shell.FindMemberState("m_items"), 2);
  // A generator without a list form does not read the header again.
  shell.RunCommand(CommandOf(GeneratorKind::MembersList));
  EXPECT_EQ(host.texts.size(), 3u);
}

TEST_F(MainShellTest, EveryGenerateCommandReachesItsGeneratorAndOthersTheirWindows) {
  Add("a.h", "class CA\n{\nint m_a;\n};\n");
  for (const GeneratorInfo& info : AllGenerators()) shell.RunCommand(info.commandId);
  ASSERT_EQ(host.texts.size(), AllGenerators().size());
  for (const GeneratedText& text : host.texts) EXPECT_NE(text.body.find("m_a"), std::string::npos);
  shell.RunCommand(kCommandAbout);
  shell.RunCommand(kCommandAboutBox);
  shell.RunCommand(kCommandHelp);
  shell.RunCommand(kCommandGenerateHeading);  // the heading does nothing
  EXPECT_EQ(host.abouts, 2);
  EXPECT_EQ(host.legends, 1);
  EXPECT_EQ(host.texts.size(), AllGenerators().size());

  // A class without members gives no window.
  Add("b.h", "class CEmpty\n{\n};\n");
  shell.RunCommand(CommandOf(GeneratorKind::Serialize));
  EXPECT_EQ(host.texts.size(), AllGenerators().size());
}

TEST_F(MainShellTest, ReloadKeepsTheSelectedClassWhileItsHeaderDefinesIt) {
  const std::string path = dir.Write("a.h", "class CB\n{\n};\nclass CA\n{\n};\n");
  host.nextFile = path;
  shell.RunCommand(kCommandClassAdd);
  shell.SelectClassRow(0);  // CA
  dir.Write("a.h", "class CNew\n{\n};\nclass CA\n{\nint m_more;\n};\n");
  shell.RunCommand(kCommandClassReload);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CNew"}));
  EXPECT_EQ(SelectedName(shell), "CA");
  EXPECT_EQ(GridNames(), (std::vector<std::string>{"m_more"}));
  EXPECT_TRUE(host.messages.empty());

  // A header that is gone and one grown too large: their classes go, both told in one box by
  // cause, and the selection falls back to the refill's choice.
  Add("other.h", "class COther\n{\n};\n");
  const std::string big = dir.Write("big.h", "class CBig\n{\n};\n");
  host.nextFile = big;
  shell.RunCommand(kCommandClassAdd);
  std::string large = "class CBig\n{\n";
  large.resize(1048576, ' ');
  dir.Write("big.h", large);
  std::filesystem::remove(path);
  shell.RunCommand(kCommandClassReload);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"COther"}));
  EXPECT_TRUE(host.messages.empty());
  using Box = std::pair<std::string, std::string>;
  EXPECT_EQ(host.detailedMessages,
            (std::vector<Box>{{"Reload could not read 2 headers:\nGone or unreadable: 1\nToo large: 1",
                               "Gone or unreadable (1):\n" + path + "\n\nToo large (1):\n" + big + "\n"}}));
  EXPECT_EQ(host.status.message, "Reloaded: 3 headers read, 2 could not be read");
  EXPECT_EQ(SelectedName(shell), "COther");
  EXPECT_EQ(shell.Members().ShownClass(), shell.SelectedClass());
}

TEST_F(MainShellTest, EnterAndEscapeAskBeforeLosingClassesQuitDoesNot) {
  EXPECT_TRUE(shell.RequestClose(CCloseRequest::kEnter));
  EXPECT_TRUE(host.questions.empty());
  Add("a.h", "class CA\n{\n};\n");
  EXPECT_FALSE(shell.RequestClose(CCloseRequest::kEscape));
  host.answerYes = true;
  EXPECT_TRUE(shell.RequestClose(CCloseRequest::kEnter));
  EXPECT_EQ(host.questions, (std::vector<std::string>(2, std::string(kQuitQuestion))));
  EXPECT_TRUE(shell.RequestClose(CCloseRequest::kQuitButton));
  EXPECT_TRUE(shell.RequestClose(CCloseRequest::kCloseBox));
  EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(MainShellTest, DropsLoadInTheirOrderFilesAsAddFoldersAsAddDirectory) {
  const std::string folder = dir.Write("sub/f.h", "class CFolder\n{\n};\n");
  const std::string file = dir.Write("file.h", "class CFile\n{\n};\n");
  const std::string none = dir.Write("none.h", "int g_x;\n");
  shell.Drop({{file, false}, {dir / "sub", true}, {none, false}});
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CFile", "CFolder"}));
  EXPECT_EQ(SelectedName(shell), "CFolder");
  EXPECT_EQ(host.messages, (std::vector<std::string>{"No class information in " + none}));
  EXPECT_TRUE(host.folderTitles.empty());  // a dropped folder needs no picker
  (void)folder;
}

}  // namespace
}  // namespace varnwick
