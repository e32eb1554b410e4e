// Headers as users' disks hold them, through the real varnwick-cli: what cannot be read is named
// with the system's reason and fails the run after the other paths are loaded; odd but readable
// content is read byte for byte.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cerrno>
#include <cstring>

#include "CliProcess.h"
#include "HeaderFile.h"
#include "TempDir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace varnwick {
namespace {

using test::CliRun;
using test::RunCli;
using test::TempDir;

std::string OneClass(const std::string& name) { return "class " + name + "\r\n{\r\n\tint m_n;\r\n};\r\n"; }

// The system's words for a file that is not there.
std::string NotFoundReason() {
#ifdef _WIN32
  char text[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                ERROR_FILE_NOT_FOUND, 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' ')) --length;
  return std::string(text, length);
#else
  return std::strerror(ENOENT);
#endif
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST(BadInputCliTest, APathThatIsNotThereFailsAfterTheOthersAreLoaded) {
  TempDir dir;
  const std::string good = dir.Write("good.h", OneClass("CGood"));
  const std::string missing = dir / "missing.h";
  const std::string message = "varnwick-cli: " + missing + ": " + NotFoundReason() + "\n";
  for (const std::string command : {"classes ", "dump "}) {
    const CliRun run = RunCli(command + missing + " " + good);
    EXPECT_EQ(run.exitCode, 1) << command;
    EXPECT_EQ(run.err, message) << command;
    EXPECT_NE(run.out.find("CGood"), std::string::npos) << command << "the other path is loaded";
  }
  const CliRun generated = RunCli("generate eq --class CGood " + good + " " + missing);
  EXPECT_EQ(generated.exitCode, 1);
  EXPECT_EQ(generated.err, message);
  EXPECT_NE(generated.out.find("operator==( CGood const &src1"), std::string::npos) << "the text is still written";
  // The class may well have been in the path that was not read: no usage error then.
  EXPECT_EQ(RunCli("generate eq --class CGone " + good + " " + missing).exitCode, 1);
  EXPECT_EQ(RunCli("generate eq --class CGone " + good).exitCode, 2);
}

TEST(BadInputCliTest, TheSizeLimitIsOneByteShortOfAMebibyte) {
  TempDir dir;
  std::string text = OneClass("CFits");
  text.resize(kMaxHeaderBytes, ' ');
  const std::string fits = dir.Write("fits.h", text);
  text.push_back(' ');
  const std::string over = dir.Write("over.h", text);
  const CliRun run = RunCli("classes " + over + " " + fits);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "varnwick-cli: " + over + ": larger than 1,048,575 bytes\n");
  EXPECT_EQ(run.out, "0\tCFits\t1\t" + fits + "\n");

  // In a folder the oversized header ends the folder's load; what was read before it stays.
  dir.Write("folder/a.h", OneClass("CA"));
  dir.Write("folder/b.h", text);
  dir.Write("folder/c.h", OneClass("CC"));
  const CliRun folder = RunCli("classes " + (dir / "folder"));
  EXPECT_EQ(folder.exitCode, 1);
  EXPECT_NE(folder.err.find("b.h: larger than 1,048,575 bytes\n"), std::string::npos) << folder.err;
  EXPECT_NE(folder.out.find("\tCA\t"), std::string::npos);
  EXPECT_EQ(folder.out.find("\tCC\t"), std::string::npos);
}

TEST(BadInputCliTest, OddButReadableContentIsReadByteForByte) {
  TempDir dir;
  using namespace std::string_literals;
  const std::string zero = dir.Write("zero.h", "class CZero\r\n{\r\n\tint m_a;\r\n\0\tint m_b;\r\n};\r\n"s);
  const std::string utf16 = dir.Write("utf16.h", "\xFF\xFE" "c\0l\0a\0s\0s\0 \0C\0W\0\r\0\n\0{\0\r\0\n\0}\0;\0"s);
  // Windows-1252 and Shift-JIS bytes, a trail byte 0x5C among them, in comments, strings and names.
  const std::string codePages = dir.Write(
      "codepages.h", "// Stra\xDF" "e \x93quoted\x94 \x80\r\n#define TITLE \"Gr\xFC\xDF" "e\"\r\n"
                     "class CCaf\xE9\r\n{\r\n\tCString m_strName; // \x96\xBC\x91\x4F\r\n\tint m_n\x95\x5C;\r\n};\r\n");
  const CliRun run = RunCli("classes " + zero + " " + utf16 + " " + codePages);
  EXPECT_EQ(run.exitCode, 0) << "a header without a class is no failure";
  EXPECT_EQ(run.err, "No class information in " + utf16 + "\n");
  EXPECT_EQ(run.out, "0\tCZero\t1\t" + zero + "\n1\tCCaf\xE9\t2\t" + codePages + "\n");

  const nlohmann::json dump = nlohmann::json::parse(RunCli("dump " + codePages).out);
  EXPECT_EQ(dump["classes"][0]["name"], "CCaf\xC3\xA9");
  EXPECT_EQ(dump["classes"][0]["members"][1]["name"], "m_n\xC2\x95\\");
  EXPECT_NE(RunCli("generate members-list " + codePages).out.find("\tm_n\x95\x5C\r\n"), std::string::npos);
}

TEST(BadInputCliTest, LongLinesManyMembersAndManyClasses) {
  TempDir dir;
  const std::string longName = "m_" + std::string(100000, 'x');
  std::string manyMembers = "\tint m_0";
  for (int i = 1; i < 10000; ++i) manyMembers += ", m_" + std::to_string(i);
  std::string manyClasses;
  for (int i = 0; i < 1000; ++i) manyClasses += OneClass("C" + std::to_string(i));
  const std::string wide = dir.Write("wide.h", "class CWide\r\n{\r\n\t// " + std::string(100000, '-') + "\r\n\tint " +
                                                   longName + ";\r\n" + manyMembers + ";\r\n};\r\n");
  const std::string many = dir.Write("many.h", manyClasses);

  const CliRun classes = RunCli("classes " + wide + " " + many);
  EXPECT_EQ(classes.exitCode, 0);
  EXPECT_EQ(Count(classes.out, "\n"), 1001u);
  EXPECT_EQ(classes.out.substr(0, classes.out.find('\n')), "0\tCWide\t10001\t" + wide);
  EXPECT_NE(classes.out.find("\n1000\tC999\t1\t"), std::string::npos);

  const CliRun serialize = RunCli("generate serialize --class CWide --eol lf " + wide);
  EXPECT_EQ(serialize.exitCode, 0);
  EXPECT_EQ(Count(serialize.out, "\t\tar << "), 10001u);
  EXPECT_NE(serialize.out.find("\t\tar >> " + longName + ";\n"), std::string::npos);
}

}  // namespace
}  // namespace varnwick
