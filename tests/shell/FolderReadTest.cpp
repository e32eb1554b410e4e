#include <gtest/gtest.h>

#include <map>

#include "AddDirectory.h"
#include "CFakeHost.h"
#include "CHeaderReader.h"
#include "CMainShell.h"
#include "MessageText.h"
#include "ShellCommands.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using namespace std::chrono_literals;
using test::CFakeHost;
using test::SelectedName;
using test::TempDir;

// A folder of `count` headers h00.h, h01.h, …, each with two classes named from the end of the
// alphabet backwards, so that every header's classes land between the rows already shown.
std::string WriteFolder(const TempDir& dir, int count) {
  for (int i = 0; i < count; ++i) {
    const std::string header = "folder/h" + std::to_string(i / 10) + std::to_string(i % 10) + ".h";
    const char letter = static_cast<char>('Z' - i);
    std::string text;
    for (const char* suffix : {"First", "Second"}) text.append("class C").append(1, letter).append(suffix).append("\n{\n};\n");
    dir.Write(header, text);
  }
  return dir / "folder";
}

// Whether the shell's class list and the host's rows are what a refill would show and select.
bool ShowsARefill(const CMainShell& shell, const std::vector<std::string>& shownRows) {
  const CClassList refill = shell.Catalogue().SortedClassList(shell.Filter());
  std::vector<std::string> names;
  for (std::size_t record : refill.rows) names.push_back(shell.Catalogue().At(record).m_strName);
  return shownRows == names && shell.ClassList().rows == refill.rows &&
         shell.ClassList().selectedRow == refill.selectedRow;
}

class FolderReadTest : public ::testing::Test {
 protected:
  explicit FolderReadTest(std::chrono::milliseconds step = 100ms) : shell(host, test::TickingClock(step)) {
    host.Attach(shell);
  }
  void ReadFolder(const std::string& folder, int command = kCommandClassAddDirectory) {
    host.nextFolder = folder;
    shell.RunCommand(command);
  }

  TempDir dir;
  CFakeHost host;
  CMainShell shell;
};

TEST_F(FolderReadTest, TheListGrowsInItsSortedPlacesAndEndsSelectingAsARefill) {
  host.nextFile = dir.Write("early.h", "class CMiddle\n{\n};\n");
  shell.RunCommand(kCommandClassAdd);
  shell.SetFilter("s");  // CxSecond and CxFirst shown, CMiddle hidden
  std::vector<bool> paintedAsRefill;
  host.duringRead = [&] {
    paintedAsRefill.push_back(ShowsARefill(shell, host.shownRows));
    EXPECT_EQ(host.selectionsBroughtIntoView, 0) << "the list does not scroll about while classes arrive";
  };
  ReadFolder(WriteFolder(dir, 6));
  EXPECT_EQ(host.selectionsBroughtIntoView, 1) << "at the end the selected class is in view";

  EXPECT_EQ(host.folderTitles, (std::vector<std::string>{"Open your project directory"}));
  EXPECT_EQ(paintedAsRefill, std::vector<bool>(6, true));
  EXPECT_TRUE(ShowsARefill(shell, host.shownRows));
  EXPECT_EQ(host.shownRows.size(), 12u);
  EXPECT_EQ(SelectedName(shell), "CUFirst");  // the first class of the last header read
  EXPECT_EQ(shell.Members().ShownClass(), shell.SelectedClass());
  EXPECT_FALSE(shell.IsReading());
}

TEST_F(FolderReadTest, ProgressShowsAfterHalfASecondAndGoesWithTheRead) {
  ReadFolder(WriteFolder(dir, 8));
  // The clock moves 100 ms at each reading: the first refreshes come before the delay.
  ASSERT_FALSE(host.progressTexts.empty());
  EXPECT_LT(host.progressTexts.size(), 8u);
  EXPECT_EQ(host.progressTexts.back(), ReadProgressText(8, 16));
  EXPECT_EQ(host.progressHides, 1);
}

class QuickFolderReadTest : public FolderReadTest {
 protected:
  QuickFolderReadTest() : FolderReadTest(0ms) {}
};

TEST_F(QuickFolderReadTest, AQuickReadShowsNoProgressAndPaintsOnce) {
  ReadFolder(WriteFolder(dir, 5));
  EXPECT_TRUE(host.progressTexts.empty());
  EXPECT_EQ(host.progressHides, 0);
  EXPECT_EQ(host.refreshes, 1);
  EXPECT_EQ(host.shownRows.size(), 10u);
}

TEST_F(FolderReadTest, CancelKeepsWhatWasReadAndNoCommandRunsMeanwhile) {

  host.nextFile = dir.Write("early.h", "class CEarly\n{\n};\n");
  shell.RunCommand(kCommandClassAdd);
  int reads = 0;
  host.duringRead = [&] {
    EXPECT_TRUE(shell.IsReading());
    EXPECT_FALSE(shell.TakesCommands());
    // Whatever the user tries meanwhile is refused.
    shell.RunCommand(kCommandClassDeleteAll);
    shell.RunCommand(kCommandClassAdd);
    shell.Drop({{dir / "early.h", false}});
    EXPECT_FALSE(shell.RequestClose(CCloseRequest::kEnter));
    if (++reads == 3) {
      EXPECT_FALSE(shell.RequestClose(CCloseRequest::kEscape));
    }
  };
  ReadFolder(WriteFolder(dir, 6));
  EXPECT_EQ(reads, 3);
  EXPECT_EQ(shell.Catalogue().Size(), 1u + 3 * 2);
  EXPECT_TRUE(ShowsARefill(shell, host.shownRows));
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(host.closes, 0);
  // And the shell takes commands again.
  shell.RunCommand(kCommandClassDeleteAll);
  EXPECT_TRUE(shell.Catalogue().IsEmpty());
}

TEST_F(FolderReadTest, TheCloseBoxDuringAReadClosesOnceTheReadHasStopped) {
  int reads = 0;
  host.duringRead = [&] {
    ++reads;
    EXPECT_FALSE(shell.RequestClose(CCloseRequest::kCloseBox));
    EXPECT_EQ(host.closes, 0);
  };
  ReadFolder(WriteFolder(dir, 4));
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(host.closes, 1);
}

TEST_F(FolderReadTest, TreeReadsSubfoldersAndAnOversizedHeaderEndsTheRead) {
  dir.Write("tree/a.h", "class CA\n{\n};\n");
  dir.Write("tree/sub/b.h", "class CB\n{\n};\n");
  ReadFolder(dir / "tree");
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA"}));
  ReadFolder(dir / "tree", kCommandClassAddDirectoryTree);
  // The header read before is read again, not doubled.
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB"}));
  EXPECT_EQ(host.status.message, "2 headers read, 2 classes; 1 header was loaded already and read again");

  std::string large = "class CHuge\n{\n";
  large.resize(1048576, ' ');
  dir.Write("big/a.h", "class CBefore\n{\n};\n");
  dir.Write("big/b.h", large);
  dir.Write("big/c.h", "class CAfter\n{\n};\n");
  ReadFolder(dir / "big");
  // The walk names the header with the platform's separator.
  const std::string pattern = HeaderPattern(dir / "big");
  const std::string oversized = pattern.substr(0, pattern.size() - 3) + "b.h";
  EXPECT_EQ(host.messages, (std::vector<std::string>{FileTooLargeMessage(oversized)}));
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB", "CBefore"}));
  EXPECT_EQ(SelectedName(shell), "CBefore");

  // A cancelled picker and a folder without headers change nothing, and say nothing.
  const std::size_t size = shell.Catalogue().Size();
  host.nextFolder.reset();
  shell.RunCommand(kCommandClassAddDirectory);
  ReadFolder(dir / "tree/sub/../../big/none");
  EXPECT_EQ(shell.Catalogue().Size(), size);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.status.message, "No header files in " + (dir / "tree/sub/../../big/none"));
}

// Headers held in a map, one folder deep, counting the reads of each.
class CMapSource : public CHeaderSource {
 public:
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge) override {
    ++reads[path];
    const auto file = files.find(path);
    m_hadText = file != files.end();
    return m_hadText ? CHeaderReader::ClassesOfText(file->second, path, CMemberDetail::kRecords)
                     : std::vector<std::unique_ptr<CClassInfo>>();
  }
  bool LastReadHadText() const override { return m_hadText; }
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth) override {
    class CListed : public CHeaderWalk {
     public:
      std::vector<std::string> paths;
      bool Next(CWalkStep& step) override {
        if (paths.empty()) return false;
        step = {CWalkStep::kHeader, paths.front(), CPathKnowledge::kListedFileEntry};
        paths.erase(paths.begin());
        return true;
      }
    };
    auto walk = std::make_unique<CListed>();
    for (const auto& [path, text] : files)
      if (path.starts_with(std::string(folder) + "/")) walk->paths.push_back(path);
    return walk;
  }

  std::map<std::string, std::string> files;
  std::map<std::string, int> reads;

 private:
  bool m_hadText = false;
};

// The file system stays out of it: the folder read, which otherwise reads ahead from files on a
// second thread, keeps to the source, and so do Add and Reload after it.
TEST_F(FolderReadTest, AGivenHeaderSourceServesEveryRead) {
  CMapSource source;
  source.files = {{"/mem/a.h", "class CA\n{\n};\n"}, {"/mem/b.h", "class CB\n{\n};\n"}};
  shell.SetHeaderSource(&source);
  ReadFolder("/mem");
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB"}));
  EXPECT_EQ(host.status.message, FolderReadText(2, 2, 0, false));

  source.files["/mem/b.h"] = "class CB2\n{\n};\n";
  source.files["/mem/c.h"] = "class CC\n{\n};\n";
  shell.RunCommand(kCommandClassReload);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB2", "CC"}));

  source.files["/elsewhere/d.h"] = "class CD\n{\n};\n";
  host.nextFile = "/elsewhere/d.h";
  shell.RunCommand(kCommandClassAdd);
  EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CA", "CB2", "CC", "CD"}));
  EXPECT_EQ(source.reads, (std::map<std::string, int>{{"/mem/a.h", 2}, {"/mem/b.h", 2}, {"/mem/c.h", 1},
                                                      {"/elsewhere/d.h", 1}}));
}

TEST_F(FolderReadTest, ATreeReadAgainAfterDeleteAllReadsTheSameClasses) {
  // Records made on the read-ahead thread are freed here and made again by the next read's thread.
  dir.Write("tree/point.h", "class CPoint3\n{\n\tint m_x;\n};\n");
  dir.Write("tree/deeper/shape.h", "class CShape\n{\n\tCString m_strName;\n};\n");
  for (int read = 0; read < 4; ++read) {
    ReadFolder(dir / "tree", kCommandClassAddDirectoryTree);
    EXPECT_EQ(host.shownRows, (std::vector<std::string>{"CPoint3", "CShape"})) << "read " << read;
    shell.RunCommand(kCommandClassDeleteAll);
    EXPECT_TRUE(host.shownRows.empty());
  }
}

}  // namespace
}  // namespace varnwick
