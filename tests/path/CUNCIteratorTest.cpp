#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CUNCIterator.h"
#include "TempDirectory.h"

namespace varnwick {
namespace {

struct WalkOptions {
  bool files;
  bool directories;
  bool recursive;
  bool directoriesLast;
};

class CUNCIteratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(m_temp.Path().empty());
    for (const char* name : {"a.h", "B.h", "notes.txt", "sub/c.h", "sub/deep/d.h", "zz/e.h"}) {
      m_temp.Directory("sub/deep");
      m_temp.Directory("zz");
      m_temp.Directory("inc.h");
      m_temp.File(name);
    }
    // Loops back to the top and to the parent: a walk that followed them would never end.
    m_temp.Link(m_temp.Path(), "loop");
    m_temp.Link("..", "sub/up");
  }

  // The matches of a whole walk, relative to the temporary directory.
  std::vector<std::string> Walk(const std::string& pattern, WalkOptions options,
                                bool bForwardSlash = true) {
    CUNCIterator walk(m_temp / pattern, bForwardSlash);
    walk.Start(options.files, options.directories, options.recursive, options.directoriesLast);
    std::vector<std::string> matches;
    while (!walk.Current().IsEmpty() && matches.size() < 100) {
      matches.push_back(walk.Current().GetFull().substr(m_temp.Path().size() + 1));
      walk.Advance();
    }
    return matches;
  }

  test::TempDirectory m_temp;
};

using Matches = std::vector<std::string>;

TEST_F(CUNCIteratorTest, FilesOnlyIgnoresDirectoriesAndDotEntries) {
  EXPECT_EQ(Walk("*.h", {true, false, false, false}), (Matches{"B.h", "a.h"}));
  EXPECT_EQ(Walk("*", {true, false, false, false}), (Matches{"B.h", "a.h", "notes.txt"}));
  EXPECT_EQ(Walk("*.cpp", {true, false, false, false}), Matches{});
}

TEST_F(CUNCIteratorTest, DirectoryMatchHasSeparatorAndNoFilePart) {
  EXPECT_EQ(Walk("*.h", {true, true, false, false}), (Matches{"B.h", "a.h", "inc.h/"}));
  EXPECT_EQ(Walk("*", {false, false, false, false}), (Matches{"inc.h/", "loop/", "sub/", "zz/"}));

  CUNCIterator walk(m_temp / "inc*", true);
  ASSERT_TRUE(walk.Start(false, true, false, false));
  EXPECT_EQ(walk.Current().File(), "");
  EXPECT_EQ(walk.Current().Directory(), m_temp.Path() + "/inc.h/");
}

TEST_F(CUNCIteratorTest, RecursiveWalkOrders) {
  EXPECT_EQ(Walk("*.h", {true, false, true, false}),
            (Matches{"B.h", "a.h", "sub/c.h", "sub/deep/d.h", "zz/e.h"}));
  EXPECT_EQ(Walk("*.h", {true, false, true, true}),
            (Matches{"sub/deep/d.h", "sub/c.h", "zz/e.h", "B.h", "a.h"}));
}

TEST_F(CUNCIteratorTest, LinkLoopsAreReportedButNotEntered) {
  EXPECT_EQ(Walk("*", {false, true, true, false}),
            (Matches{"inc.h/", "loop/", "sub/", "zz/", "sub/deep/", "sub/up/"}));
  EXPECT_EQ(Walk("*", {true, true, true, true}).size(), 12u);
}

// A recursive walk lists each folder once for both its matches and its subfolders; a level with
// no match at all must still be descended from, and a subfolder that matches is both.
TEST_F(CUNCIteratorTest, RecursiveWalkTakesMatchesAndSubfoldersFromTheSameListing) {
  m_temp.File("sub/deep/x.txt");
  EXPECT_EQ(Walk("*.txt", {true, false, true, false}), (Matches{"notes.txt", "sub/deep/x.txt"}));
  EXPECT_EQ(Walk("*.cpp", {true, false, true, false}), Matches{});
  EXPECT_EQ(Walk("*", {true, true, true, false}),
            (Matches{"B.h", "a.h", "inc.h/", "loop/", "notes.txt", "sub/", "zz/", "sub/c.h", "sub/deep/",
                     "sub/up/", "sub/deep/d.h", "sub/deep/x.txt", "zz/e.h"}));

  CUNCIterator missing(m_temp / "none/*.h", true);
  EXPECT_FALSE(missing.Start(true, false, true, false));
  EXPECT_EQ(missing.Current().LastResult(), kUNCNotFound);
}

TEST_F(CUNCIteratorTest, AdvanceAnswersThePositionItLeaves) {
  CUNCIterator walk(m_temp / "*.h", true);
  ASSERT_TRUE(walk.Start(true, false, false, false));
  EXPECT_EQ(walk.Advance().GetFull(), m_temp / "B.h");
  EXPECT_EQ(walk.Advance().GetFull(), m_temp / "a.h");
  EXPECT_TRUE(walk.Current().IsEmpty());
  EXPECT_EQ(walk.Current().LastResult(), kUNCNoMoreFiles);
  EXPECT_TRUE(walk.Advance().IsEmpty());
  EXPECT_TRUE(walk.Current().IsEmpty());
  EXPECT_TRUE(walk.End());
}

TEST_F(CUNCIteratorTest, BackslashPatternAsTheFolderCommandBuildsIt) {
  std::vector<std::string> found = Walk("sub\\*.h", {true, false, false, false}, false);
  EXPECT_EQ(found, Matches{"sub\\c.h"});

  CUNCIterator missing(m_temp / "none\\*.h");
  EXPECT_FALSE(missing.Start(true, false, false, false));
  EXPECT_TRUE(missing.Current().IsEmpty());
  EXPECT_EQ(missing.Current().LastResult(), kUNCNotFound);
}

}  // namespace
}  // namespace varnwick
