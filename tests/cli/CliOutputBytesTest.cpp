#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CliProcess.h"
#include "GenerateCommand.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::RunCli;
using test::TempDir;

const char* const kHeader =
    "class COrderDoc : public CDocument\r\n{\r\n"
    "\tCString m_strTitle;\r\n\tCObList m_lines;\r\n\tint m_nCount, *m_pnSizes;\r\n};\r\n";

// The text the generator gives inside the program, before it reaches standard output.
std::string GeneratedText(const std::string& generator, const std::string& header, bool lf) {
  GenerateOptions options;
  options.generator = generator;
  options.paths = {header};
  options.lfLineEnds = lf;
  std::ostringstream out;
  std::ostringstream messages;
  RunGenerate(options, out, messages);
  return out.str();
}

TEST(CliOutputBytesTest, GeneratedTextLeavesTheProgramByteForByte) {
  TempDir dir;
  const std::string header = dir.Write("Order.h", kHeader);
  for (const char* generator : {"serialize", "assign", "members-list"}) {
    for (bool lf : {false, true}) {
      const std::string expected = GeneratedText(generator, header, lf);
      ASSERT_NE(expected.find('\n'), std::string::npos) << generator;
      EXPECT_EQ(expected.find('\r') == std::string::npos, lf) << generator;
      const test::CliRun run =
          RunCli(std::string("generate ") + generator + (lf ? " --eol lf " : " --eol crlf ") + header);
      EXPECT_EQ(run.exitCode, 0) << generator;
      EXPECT_EQ(run.out, expected) << generator << (lf ? " --eol lf" : " crlf");
      EXPECT_EQ(run.out.find("\r\r"), std::string::npos) << generator;
    }
  }
}

TEST(CliOutputBytesTest, PathsWithBlanksAndNonAsciiBytesReachTheLoaderUnchanged) {
  TempDir dir;
  dir.Write("my folder/placeholder.txt", "");
  // "é" in the Windows-1252 code page and in Latin-1: one byte that is not ASCII.
  const std::string header = dir / "my folder/caf\xE9 menu.h";
  std::ofstream(header, std::ios::binary) << "class CMenu\n{\nint m_a;\n};\n";
  const test::CliRun classes = RunCli("classes \"" + header + "\"");
  EXPECT_EQ(classes.exitCode, 0);
  EXPECT_EQ(classes.out, "0\tCMenu\t1\t" + header + "\n");
  const test::CliRun folder = RunCli("classes \"" + dir / "my folder" + "\"");
  EXPECT_NE(folder.out.find("\tCMenu\t1\t"), std::string::npos) << folder.out;
}

}  // namespace
}  // namespace varnwick
