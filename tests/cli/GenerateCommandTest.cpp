#include <gtest/gtest.h>

#include <sstream>

#include "CliError.h"
#include "GenerateCommand.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

const char* const kHeader =
    "class CA : public CB\n{\nint m_b;\nint m_a;\nCString m_s;\n};\n"
    "class CZ\n{\nint m_z;\n};\n"
    "class CEmpty\n{\n};\n";

struct Outcome {
  std::string out;
  std::string messages;
  int exitCode = 0;
  std::string reason;
};

Outcome RunCommand(GenerateOptions options) {
  Outcome outcome;
  std::ostringstream out;
  std::ostringstream messages;
  try {
    RunGenerate(options, out, messages);
  } catch (const CCliError& error) {
    outcome.exitCode = error.ExitCode();
    outcome.reason = error.what();
  }
  outcome.out = out.str();
  outcome.messages = messages.str();
  return outcome;
}

class GenerateCommandTest : public ::testing::Test {
 protected:
  GenerateOptions Options(std::string generator) {
    GenerateOptions options;
    options.generator = std::move(generator);
    options.paths = {m_header};
    return options;
  }
  TempDir m_dir;
  std::string m_header = m_dir.Write("a.h", kHeader);
};

TEST_F(GenerateCommandTest, SelectedClassInMemberListOrderWithStates) {
  GenerateOptions options = Options("members-list");
  options.states = {"m_a=0"};
  const Outcome outcome = RunCommand(options);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.reason;
  EXPECT_EQ(outcome.out,
            "\t//****Members of ( CA:: public CB )****\r\n"
            "\r\n\t//****(CString's)****\r\n\tm_s\r\n"
            "\r\n\t//****(int's)****\r\n\tm_b\r\n"
            "\t//******************************\r\n");
}

TEST_F(GenerateCommandTest, StatesApplyInOrderAndStarMeansEveryRow) {
  GenerateOptions options = Options("members-list");
  options.states = {"*=0", "m_b=1"};
  options.lfLineEnds = true;
  EXPECT_EQ(RunCommand(options).out,
            "\t//****Members of ( CA:: public CB )****\n"
            "\n\t//****(int's)****\n\tm_b\n"
            "\t//******************************\n");
}

TEST_F(GenerateCommandTest, ClassByNameOrIndexAndTheDeclaration) {
  GenerateOptions options = Options("serialize");
  options.className = "CZ";
  options.declarationOnly = true;
  EXPECT_EQ(RunCommand(options).out, "void Serialize(CArchive& ar);\n");
  options = Options("copy-members");
  options.index = 1;
  options.declarationOnly = true;
  EXPECT_EQ(RunCommand(options).out, "CZ( const CZ& src );\n");
}

TEST_F(GenerateCommandTest, UsageErrorsAndNothingToGenerate) {
  struct Case {
    GenerateOptions options;
    int exitCode;
    std::string reasonPart;
  };
  GenerateOptions unknown = Options("frobnicate");
  GenerateOptions badState = Options("assign");
  badState.states = {"m_a=3"};
  GenerateOptions noEquals = Options("assign");
  noEquals.states = {"m_a"};
  GenerateOptions noSuchMember = Options("assign");
  noSuchMember.states = {"m_nothing=1"};
  GenerateOptions noSuchClass = Options("assign");
  noSuchClass.className = "CNone";
  GenerateOptions badIndex = Options("assign");
  badIndex.index = 3;
  GenerateOptions empty = Options("assign");
  empty.className = "CEmpty";
  GenerateOptions nothingLoaded = Options("assign");
  nothingLoaded.paths = {m_dir / "missing.h"};
  const std::vector<Case> cases = {
      {unknown, 2, "frobnicate"},      {badState, 2, "m_a=3"},      {noEquals, 2, "m_a"},
      {noSuchMember, 2, "m_nothing"},  {noSuchClass, 2, "CNone"},   {badIndex, 2, "3"},
      {empty, 1, "CEmpty"},            {nothingLoaded, 1, "no class"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = RunCommand(c.options);
    EXPECT_EQ(outcome.exitCode, c.exitCode) << c.reasonPart;
    EXPECT_NE(outcome.reason.find(c.reasonPart), std::string::npos) << outcome.reason;
    EXPECT_EQ(outcome.out, "");
  }
}

}  // namespace
}  // namespace varnwick
