// Headers cut short, as an editor or a copy may leave them: every fixture and the example header,
// cut at every 64th byte and at every byte of its first and last 256, each cut with its line ends
// as stored, all "\r\n" and all "\n". Each is loaded as a file and every generator runs on every
// class, with the grid's states and with every member a list. Nothing may crash or hang (the
// sanitizer build and the test's time limit watch that), and every text keeps "\r\n" line ends.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "CCatalogue.h"
#include "Generator.h"
#include "ListOrder.h"
#include "MemberStates.h"
#include "TempDir.h"

namespace varnwick {
namespace {

constexpr std::size_t kStep = 64;
constexpr std::size_t kEdge = 256;

std::vector<std::filesystem::path> Headers() {
  const std::filesystem::path source = VARNWICK_SOURCE_DIR;
  std::vector<std::filesystem::path> headers = {source / "examples" / "Example.h"};
  for (const char* folder : {"tests/cli/fixtures", "fuzz/seeds"}) {
    for (const auto& entry : std::filesystem::directory_iterator(source / folder)) headers.push_back(entry.path());
  }
  return headers;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::size_t> CutLengths(std::size_t size) {
  std::set<std::size_t> lengths;
  for (std::size_t length = 0; length <= size; length += kStep) lengths.insert(length);
  for (std::size_t length = 0; length <= std::min(size, kEdge); ++length) lengths.insert(length);
  for (std::size_t length = size - std::min(size, kEdge); length <= size; ++length) lengths.insert(length);
  return lengths;
}

std::string WithLineFeeds(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out.push_back(text[i]);
  }
  return out;
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (char c : WithLineFeeds(text)) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

// Where the first line end that is not "\r\n" stands; npos when there is none.
std::size_t BareLineFeed(const std::string& body) {
  for (std::size_t at = body.find('\n'); at != std::string::npos; at = body.find('\n', at + 1)) {
    if (at == 0 || body[at - 1] != '\r') return at;
  }
  return std::string::npos;
}

// Every generator on every class of the header at `path`, in both state settings.
void GenerateEverything(const std::string& path, const std::string& label) {
  CCatalogue catalogue;
  catalogue.AddFile(path);
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    const CClassInfo& record = catalogue.At(i);
    const std::vector<CMemberRow> rows = InitialMemberRows(record);
    const MemberStateLookup grid = [&rows](const std::string& name) { return FindMemberState(rows, name); };
    const MemberStateLookup allLists = [](const std::string&) { return kCheckList; };
    const std::vector<const CMemberInfo*> members = MemberListOrder(record);
    for (const GeneratorInfo& generator : AllGenerators()) {
      for (const auto& [state, checkPtrList] : {std::pair(grid, true), std::pair(allLists, false)}) {
        const std::optional<GeneratedText> text = Generate(generator.kind, record, members, state, checkPtrList);
        ASSERT_EQ(text.has_value(), !members.empty()) << label;
        if (!text) continue;
        ASSERT_TRUE(text->body.ends_with("\r\n")) << label << ' ' << generator.cliName;
        ASSERT_EQ(BareLineFeed(text->body), std::string::npos) << label << ' ' << generator.cliName;
      }
    }
  }
}

TEST(ChopTest, EveryCutOfEveryFixtureLoadsAndGenerates) {
  test::TempDir dir;
  std::size_t cuts = 0;
  for (const std::filesystem::path& header : Headers()) {
    const std::string bytes = ReadBytes(header);
    ASSERT_FALSE(bytes.empty()) << header;
    for (std::size_t length : CutLengths(bytes.size())) {
      const std::string_view cut = std::string_view(bytes).substr(0, length);
      const std::pair<const char*, std::string> variants[] = {
          {"stored", std::string(cut)}, {"crlf", WithCrLf(cut)}, {"lf", WithLineFeeds(cut)}};
      for (const auto& [ends, text] : variants) {
        // A new file each time: truncating one makes some file systems write it out at once.
        const std::string path = dir.Write("cut" + std::to_string(++cuts) + ".h", text);
        GenerateEverything(path, header.filename().string() + " cut at " + std::to_string(length) + ", " + ends);
        std::filesystem::remove(path);
        if (HasFatalFailure()) return;
      }
    }
  }
  EXPECT_GT(cuts, 3000u);
}

}  // namespace
}  // namespace varnwick
