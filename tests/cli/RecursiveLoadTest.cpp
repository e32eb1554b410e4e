#include <gtest/gtest.h>

#include <algorithm>

#include "CUNCPath.h"
#include "CliProcess.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::RunCli;
using test::TempDir;

// A header's path as a folder walk answers it: joined with the platform's separator.
std::string Walked(const TempDir& dir, std::string relative) {
  std::replace(relative.begin(), relative.end(), '/', kNativeSeparator);
  return dir.Path() + kNativeSeparator + relative;
}

// Only a folder path reaches into subfolders, and only with --recursive; files load as before.
TEST(RecursiveLoadTest, RecursiveReadsTheSubfoldersOfFolderPaths) {
  TempDir dir;
  dir.Write("top.h", "class CTop\n{\n};\n");
  dir.Write("sub/inner/deep.h", "class CDeep\n{\nint m_a;\n};\n");
  const std::string file = dir.Write("other/file.h", "class CFile\n{\n};\n");
  const std::string listing = "0\tCTop\t0\t" + Walked(dir, "top.h") + "\n";
  EXPECT_EQ(RunCli("classes " + dir.Path()).out, listing);
  EXPECT_EQ(RunCli("classes -r " + dir.Path()).out, listing + "1\tCFile\t0\t" + Walked(dir, "other/file.h") +
                                                        "\n2\tCDeep\t1\t" + Walked(dir, "sub/inner/deep.h") + "\n");
  EXPECT_EQ(RunCli("classes --recursive " + file).out, "0\tCFile\t0\t" + file + "\n");

  const test::CliRun generated = RunCli("generate members-list --recursive --class CDeep " + dir.Path());
  EXPECT_EQ(generated.exitCode, 0);
  EXPECT_NE(generated.out.find("m_a"), std::string::npos);
  EXPECT_NE(RunCli("dump --recursive " + dir.Path()).out.find("\"CDeep\""), std::string::npos);
}

}  // namespace
}  // namespace varnwick
