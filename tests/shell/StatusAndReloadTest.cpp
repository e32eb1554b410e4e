#include <gtest/gtest.h>

#include <filesystem>

#include "CFakeHost.h"
#include "CMainShell.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "MessageText.h"
#include "ShellCommands.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using namespace std::chrono_literals;
using test::CFakeHost;
using test::SelectedName;
using test::TempDir;

std::string Class(const std::string& name) { return "class " + name + "\n{\n\tint m_n;\n};\n"; }

// A shell whose clock moves 100 ms each time it is read, so that every read shows its progress.
class StatusAndReloadTest : public ::testing::Test {
 protected:
  StatusAndReloadTest() { host.Attach(shell); }

  void Add(const std::string& path) {
    host.nextFile = path;
    shell.RunCommand(kCommandClassAdd);
  }
  void ReadFolder(const std::string& folder, int command = kCommandClassAddDirectory) {
    host.nextFolder = folder;
    shell.RunCommand(command);
  }
  std::vector<std::string> Labels() const {
    std::vector<std::string> labels;
    for (std::size_t row = 0; row < shell.ClassList().rows.size(); ++row) {
      const CClassRowLabel label = shell.ClassRowLabel(row);
      labels.push_back(label.fileName.empty() ? label.name : label.name + " (" + label.fileName + ")");
    }
    return labels;
  }

  TempDir dir;
  CFakeHost host;
  CMainShell shell{host, test::TickingClock(100ms)};
};

TEST_F(StatusAndReloadTest, RowsOfOneNameShowTheirHeadersAndTheStatusLineTheSelectedOnes) {
  dir.Write("one/Source.h", Class("SourceOp") + Class("Alone"));
  dir.Write("two/Source.h", Class("SourceOp") + Class("sourceop"));
  ReadFolder(dir / "one");
  EXPECT_EQ(Labels(), (std::vector<std::string>{"Alone", "SourceOp"}));
  EXPECT_TRUE(host.repaintedRows.empty());

  // Read as a folder, the second SourceOp comes in beside the first, which is repainted.
  ReadFolder(dir / "two");
  EXPECT_EQ(Labels(), (std::vector<std::string>{"Alone", "SourceOp (Source.h)", "SourceOp (Source.h)", "sourceop"}));
  EXPECT_EQ(host.repaintedRows, (std::vector<std::size_t>{1}));
  EXPECT_EQ(shell.ClassRowLabel(2).path, shell.ClassAtRow(2).m_strFile);
  EXPECT_NE(shell.ClassRowLabel(1).path, shell.ClassRowLabel(2).path);

  shell.SelectClassRow(1);
  EXPECT_EQ(host.status.classPath, shell.ClassAtRow(1).m_strFile);
  EXPECT_EQ(host.status.message, "1 header read, 2 classes");
  shell.SelectClassRow(std::nullopt);  // a cleared selection keeps what is shown
  EXPECT_EQ(host.status.classPath, shell.ClassAtRow(1).m_strFile);

  shell.RunCommand(kCommandClassDeleteAll);
  EXPECT_EQ(host.status.message, "4 classes removed");
  EXPECT_EQ(host.status.classPath, "");
}

TEST_F(StatusAndReloadTest, TheFilterSelectingTheClassStillShownNamesItsHeaderAgain) {
  const std::string header = dir.Write("a.h", Class("CA"));
  Add(header);
  shell.SelectClassRow(std::nullopt);  // the members of CA stay shown
  shell.RunCommand(AllGenerators()[0].commandId);
  ASSERT_EQ(host.status.message, kSelectClassFirst);
  ASSERT_EQ(host.status.classPath, "");
  shell.SetFilter("");
  EXPECT_EQ(SelectedName(shell), "CA");
  EXPECT_EQ(host.status.classPath, header);
}

TEST_F(StatusAndReloadTest, CommandsSayWhatHappened) {
  shell.RunCommand(kCommandClassAdd + 4);  // Serialization, with no class
  EXPECT_EQ(host.status.message, "Select a class first");
  EXPECT_TRUE(host.texts.empty());

  shell.SetFilter("zz");
  const std::string header = dir.Write("a.h", Class("CA") + Class("CB") + Class("CZz"));
  Add(header);
  EXPECT_EQ(host.status.message, "3 classes added");
  Add(dir.Write("b.h", Class("CHidden")));
  EXPECT_EQ(host.status.message, "1 class added; the filter hides it");
  EXPECT_EQ(host.status.classPath, header) << "the shown class stays selected";

  // The same header again replaces its classes.
  Add(header);
  EXPECT_EQ(host.status.message, "3 classes read again from " + header + ", which was loaded already");
  EXPECT_EQ(shell.Catalogue().Size(), 4u);

  std::filesystem::create_directories(dir / "empty");
  ReadFolder(dir / "empty");
  EXPECT_EQ(host.status.message, "No header files in " + (dir / "empty"));
  EXPECT_TRUE(host.messages.empty()) << "a folder without headers is still no message box";

  Add(dir.Write("none.h", "int g_n;\n"));
  EXPECT_EQ(host.messages, std::vector<std::string>{NoClassInformationIn(dir / "none.h")});
  EXPECT_EQ(host.status.message, NoClassInformationIn(dir / "none.h"));
}

TEST_F(StatusAndReloadTest, FocusLeavesQuitAtStartAndAfterEveryModalWindow) {
  const std::string none = dir.Write("none.h", "int g_n;\n");
  shell.LoadStartupFiles({none});
  EXPECT_FALSE(host.focus);
  shell.WindowShown();
  EXPECT_EQ(host.messages, std::vector<std::string>{NoClassInformationFor(none)});
  EXPECT_EQ(host.focus, CFocusTarget::kFilter) << "nothing to select: the filter";

  host.focus.reset();
  host.nextFolder.reset();
  shell.RunCommand(kCommandClassAddDirectory);  // the picker, cancelled
  EXPECT_EQ(host.focus, CFocusTarget::kFilter);

  host.focus.reset();
  Add(dir.Write("a.h", Class("CA")));
  EXPECT_EQ(host.focus, CFocusTarget::kClassList);

  // A command without a window leaves the focus where the user put it.
  host.focus.reset();
  shell.RunCommand(kCommandCheckPtrList);
  shell.RunCommand(kCommandClassDelete);
  EXPECT_FALSE(host.focus);
}

TEST_F(StatusAndReloadTest, DialogsOpenWhereTheUserLastWasInThisRunAndTheNext) {
  CMemorySettings settings;
  CFakeHost firstHost;
  CMainShell first(firstHost, SteadyClock(), &settings);
  firstHost.Attach(first);
  firstHost.nextFile = dir.Write("src/a.h", Class("CA"));
  first.RunCommand(kCommandClassAdd);
  first.RunCommand(kCommandClassAdd);
  firstHost.nextFolder = dir / "src";
  first.RunCommand(kCommandClassAddDirectoryTree);
  EXPECT_EQ(firstHost.fileDialogStarts, (std::vector<std::string>{"", dir / "src/"}));
  EXPECT_EQ(firstHost.folderDialogStarts, std::vector<std::string>{""});

  CFakeHost nextHost;
  CMainShell next(nextHost, SteadyClock(), &settings);
  nextHost.Attach(next);
  next.RunCommand(kCommandClassAdd);
  next.RunCommand(kCommandClassAddDirectory);
  EXPECT_EQ(nextHost.fileDialogStarts, std::vector<std::string>{dir / "src/"});
  EXPECT_EQ(nextHost.folderDialogStarts, std::vector<std::string>{dir / "src"});
  EXPECT_EQ(next.Catalogue().Size(), 0u) << "the classes are never kept";
}

TEST_F(StatusAndReloadTest, ReloadWalksRememberedFoldersAgainWithProgressAndCancel) {
  dir.Write("project/b.h", Class("CB"));
  ReadFolder(dir / "project");
  dir.Write("project/a.h", Class("CA"));
  dir.Write("project/c.h", Class("CC"));
  host.progressTexts.clear();
  const int hidesBefore = host.progressHides;
  shell.RunCommand(kCommandClassReload);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB", "CC"}));
  EXPECT_EQ(host.status.message, "Reloaded: 3 headers read, 2 new headers");
  ASSERT_FALSE(host.progressTexts.empty());
  EXPECT_EQ(host.progressTexts.back(), "Reading headers again: 3 files read");
  EXPECT_EQ(host.progressHides, hidesBefore + 1);

  // Cancel and commands during a reload: the command waits, the reload stops after the header.
  // As the folder's walk names it, with the platform's separator.
  std::string gone;
  for (std::size_t i = 0; i < shell.Catalogue().Size(); ++i)
    if (shell.Catalogue().At(i).m_strName == "CB") gone = shell.Catalogue().At(i).m_strFile;
  std::filesystem::remove(dir / "project/a.h");
  std::filesystem::remove(dir / "project/b.h");
  int refreshes = 0;
  host.duringRead = [&] {
    ++refreshes;
    EXPECT_TRUE(shell.IsReading());
    shell.RunCommand(kCommandClassDeleteAll);
    shell.CancelRead();
  };
  shell.RunCommand(kCommandClassReload);
  EXPECT_EQ(refreshes, 1);
  EXPECT_FALSE(shell.IsReading());
  // Headers are read again in loading order: b.h went; a.h was not reached and keeps CA.
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CC"}));
  EXPECT_EQ(host.status.message, "Reload cancelled: 1 header read, 1 could not be read");
  EXPECT_EQ(host.messages, std::vector<std::string>{"Reload could not read " + gone + ": it is gone or cannot be read."});
}

TEST_F(StatusAndReloadTest, ReloadProblemsAreGroupedByCause) {
  const std::vector<CReloadProblem> problems = {{"/p/gone1.h", CReloadCause::kGone},
                                                {"/p/big.h", CReloadCause::kTooLarge},
                                                {"/p/gone2.h", CReloadCause::kGone},
                                                {"/p/empty.h", CReloadCause::kNoClass}};
  const CProblemsText text = ReloadProblemsText(problems);
  EXPECT_EQ(text.summary, "Reload could not read 4 headers:\nGone or unreadable: 2\nNo class any more: 1\nToo large: 1");
  EXPECT_EQ(text.details,
            "Gone or unreadable (2):\n/p/gone1.h\n/p/gone2.h\n\nNo class any more (1):\n/p/empty.h\n\n"
            "Too large (1):\n/p/big.h\n");
  EXPECT_EQ(ReloadProblemsText({{"/p/big.h", CReloadCause::kTooLarge}}).summary,
            "Reload could not read /p/big.h: it is larger than 1,048,575 bytes.");
}

}  // namespace
}  // namespace varnwick
