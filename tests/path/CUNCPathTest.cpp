#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "CUNCPath.h"

namespace varnwick {
namespace {

struct SplitCase {
  std::string text;
  bool bForwardSlash;
  std::string server;
  std::string share;
  std::string directory;
  std::string file;
  std::string full;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
  *os << '"' << c.text.substr(0, 40) << (c.text.size() > 40 ? "...\"" : "\"");
}

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, PartsAndRebuiltText) {
  const SplitCase& c = GetParam();
  CUNCPath path(c.text, c.bForwardSlash);
  EXPECT_EQ(path.Server(), c.server);
  EXPECT_EQ(path.Share(), c.share);
  EXPECT_EQ(path.Directory(), c.directory);
  EXPECT_EQ(path.File(), c.file);
  // Rebuilding from the parts, not from the kept text.
  path.FileRef();
  EXPECT_EQ(path.GetFull(), c.full);
}

// The name and the extension are each cut to 255 bytes.
const std::string kLongNameText = "C:\\d\\" + std::string(300, 'n') + "." + std::string(300, 'e');
const std::string kCutName = std::string(255, 'n') + "." + std::string(254, 'e');

INSTANTIATE_TEST_SUITE_P(
    Forms, SplitTest,
    ::testing::Values(
        SplitCase{"C:\\Projects\\App\\Doc.h", false, "C:", "", "\\Projects\\App\\", "Doc.h",
                  "C:\\Projects\\App\\Doc.h"},
        SplitCase{"\\\\host\\pub\\src\\x.h", false, "\\\\host", "\\pub", "\\src\\", "x.h",
                  "\\\\host\\pub\\src\\x.h"},
        SplitCase{"\\\\host", false, "\\\\host", "", "", "", "\\\\host"},
        SplitCase{"\\\\host\\pub", false, "\\\\host", "\\pub", "", "", "\\\\host\\pub"},
        SplitCase{"//host/pub/", true, "//host", "/pub", "/", "", "//host/pub/"},
        SplitCase{"/home/u/x.h", true, "", "", "/home/u/", "x.h", "/home/u/x.h"},
        SplitCase{"/home/u/x.h", false, "", "", "/home/u/", "x.h", "/home/u/x.h"},
        SplitCase{"src/x.h", true, "src", "", "/", "x.h", "src/x.h"},
        SplitCase{"x.h", true, "x.h", "", "", "", "x.h"},
        SplitCase{"C:/dir/x.h", true, "C:", "", "/dir/", "x.h", "C:/dir/x.h"},
        SplitCase{"dir\\sub\\x.h", false, "", "", "dir\\sub\\", "x.h", "dir\\sub\\x.h"},
        SplitCase{"C:x.h", false, "C:", "", "", "x.h", "C:x.h"},
        SplitCase{"C:/app/", false, "C:", "", "/app/", "", "C:/app/"},
        SplitCase{"C:\\app/res\\MainFrm.h", false, "C:", "", "\\app/res\\", "MainFrm.h",
                  "C:\\app/res\\MainFrm.h"},
        SplitCase{"//server\\share/src\\Doc.h", false, "//server", "\\share", "/src\\", "Doc.h",
                  "//server\\share/src\\Doc.h"},
        SplitCase{" <C:|\\a>\"b\\x.h\t", false, "C:", "", "\\ab\\", "x.h", "C:\\ab\\x.h"},
        SplitCase{"", false, "", "", "", "", ""},
        SplitCase{kLongNameText, false, "C:", "", "\\d\\", kCutName, "C:\\d\\" + kCutName}));

TEST(CUNCPathBuild, PartsWrittenThroughReferencesAreNormalised) {
  CUNCPath trailing("C:\\base\\x.h");
  trailing.FileRef() = "dir\\sub\\";
  EXPECT_EQ(trailing.GetFull(), "C:\\base\\dir\\sub\\");
  EXPECT_EQ(trailing.File(), "");

  CUNCPath relative("C:");
  relative.DirectoryRef() = "dir";
  EXPECT_EQ(relative.GetFull(), "C:dir\\");

  CUNCPath unc;
  unc.ServerRef() = "host";
  unc.ShareRef() = "pub";
  unc.DirectoryRef() = "src";
  unc.FileRef() = " x|.h ";
  EXPECT_EQ(unc.GetFull(), "\\\\host\\pub\\src\\x.h");

  CUNCPath singleLead("", true);
  singleLead.ServerRef() = "/host";
  singleLead.ShareRef() = "pub";
  EXPECT_EQ(singleLead.GetFull(), "//host\\pub");
}

TEST(CUNCPathBuild, WriteAfterClearIsKept) {
  CUNCPath path("/old/y.h", true);
  path.Clear();
  path.FileRef() = "x.h";
  path.DirectoryRef() = "/d/";
  EXPECT_EQ(path.GetFull(), "/d/x.h");
  path.Clear();
  path.FullRef() = "/e/z.h";
  EXPECT_EQ(path.File(), "z.h");
}

TEST(CUNCPathForms, NoTrailingSeparatorCompareFormAndEmpty) {
  EXPECT_EQ(CUNCPath("C:\\dir\\").PathNoTrailingSep(), "C:\\dir");
  EXPECT_EQ(CUNCPath("C:\\").PathNoTrailingSep(), "C:\\");
  EXPECT_EQ(CUNCPath("C:\\dir\\a.h").PathNoTrailingSep(), "C:\\dir\\a.h");
  EXPECT_EQ(CUNCPath("/src/", true).PathNoTrailingSep(), "/src");

  EXPECT_EQ(CUNCPath("C:/Dir\\X.H").CompareForm(), "c:\\dir\\x.h");
  EXPECT_EQ(CUNCPath("C:/Dir\\X.H", true).CompareForm(), "c:/dir/x.h");

  for (const char* blank : {"", "  \t", "<>|\""}) {
    CUNCPath path(blank);
    EXPECT_TRUE(path.IsEmpty()) << blank;
    EXPECT_EQ(path.Directory() + path.File() + path.Server(), "") << blank;
  }
}

TEST(CUNCPathValue, AssignmentKeepsSeparatorModeAndCopyKeepsResult) {
  CUNCPath path("", true);
  path = "base";
  path.DirectoryRef() = "d";
  EXPECT_EQ(path.GetFull(), "base/d/");

  path.SetLastResult(kUNCNotFound);
  CUNCPath copy(path);
  EXPECT_EQ(copy.LastResult(), kUNCNotFound);
  EXPECT_TRUE(copy.ForwardSlash());
}

}  // namespace
}  // namespace varnwick
