#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

struct Result {
  int exitCode;
  std::string out;
};

// Runs the real command line with stderr discarded.
Result RunCli(const std::string& arguments) {
  const std::string command = std::string(VARNWICK_CLI_PATH) + " " + arguments + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  EXPECT_NE(pipe, nullptr);
  Result result{-1, {}};
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
  const int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

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
      {"dump " + dir / "missing.h", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(RunCli(c.arguments).exitCode, c.exitCode) << c.arguments;
}

TEST(ExitCodeTest, ClassesListsIndexNameMemberCountAndFile) {
  TempDir dir;
  const std::string header = dir.Write("a.h", "class CB\n{\nint m_a;\nint m_b;\n};\nclass CA\n{\n};\n");
  EXPECT_EQ(RunCli("classes " + header).out, "0\tCB\t2\t" + header + "\n1\tCA\t0\t" + header + "\n");
  const Result lf = RunCli("generate members-list --eol lf " + header);
  EXPECT_EQ(lf.exitCode, 0);
  EXPECT_EQ(lf.out.find('\r'), std::string::npos);
}

}  // namespace
}  // namespace varnwick
