#include <gtest/gtest.h>

#include "CliProcess.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::RunCli;
using test::TempDir;

TEST(ExitCodeTest, CommandLineAnswersWithTheAgreedCodes) {
  TempDir dir;
  const std::string header = dir.Write("a.h", "class CA\n{\nint m_a;\n};\nclass CB\n{\n};\n");
  struct Case {
    std::string arguments;
    int exitCode;
  };
  const Case cases[] = {
      {"--version", 0},
      {"--help", 0},
      {"generate --help", 0},
      {"", 2},
      {"bogus", 2},
      {"classes", 2},
      {"generate eq", 2},
      {"generate nonsense " + header, 2},
      {"generate eq --eol cr " + header, 2},
      {"generate eq --class CA --index 0 " + header, 2},
      {"generate eq --class CB " + header, 1},
      {"generate eq " + dir / "missing.h", 1},
      {"generate eq " + header, 0},
      {"classes " + header, 0},
      {"dump " + dir / "missing.h", 1},
      {"classes " + dir / "missing.h" + " " + header, 1},
      {"classes " + dir.Write("none.h", "int x;\n"), 0},
      {"classes \"\" " + header, 1},  // an empty path names nothing, not the root folder
  };
  for (const Case& c : cases) EXPECT_EQ(RunCli(c.arguments).exitCode, c.exitCode) << c.arguments;
}

TEST(ExitCodeTest, ClassesListsIndexNameMemberCountAndFile) {
  TempDir dir;
  const std::string header = dir.Write("a.h", "class CB\n{\nint m_a;\nint m_b;\n};\nclass CA\n{\n};\n");
  EXPECT_EQ(RunCli("classes " + header).out, "0\tCB\t2\t" + header + "\n1\tCA\t0\t" + header + "\n");
  const test::CliRun lf = RunCli("generate members-list --eol lf " + header);
  EXPECT_EQ(lf.exitCode, 0);
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace varnwick
