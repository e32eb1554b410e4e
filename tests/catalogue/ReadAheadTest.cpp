#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "CReadAhead.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

// Lists a fixed sequence of headers; "<NAME" and ">NAME" stand for the begin and end of folder NAME.
class CListedWalk : public CHeaderWalk {
 public:
  explicit CListedWalk(std::vector<std::string> paths, std::atomic<std::size_t>* listed = nullptr)
      : m_paths(std::move(paths)), m_listed(listed) {}
  bool Next(CWalkStep& step) override {
    if (m_next == m_paths.size()) return false;
    if (m_listed != nullptr) ++*m_listed;
    const std::string& path = m_paths[m_next++];
    step = {CWalkStep::kHeader, path, CPathKnowledge::kUnknown};
    if (path.starts_with('<')) step = {CWalkStep::kFolderBegin, path.substr(1), CPathKnowledge::kUnknown};
    if (path.starts_with('>')) step = {CWalkStep::kFolderEnd, path.substr(1), CPathKnowledge::kUnknown};
    return true;
  }

 private:
  std::vector<std::string> m_paths;
  std::size_t m_next = 0;
  std::atomic<std::size_t>* m_listed;  // counts the steps listed, when set
};

// The headers a walk gives, `limit` at most.
std::vector<std::string> Walked(CHeaderWalk& walk, std::size_t limit = 1000) {
  std::vector<std::string> paths;
  CWalkStep step;
  while (paths.size() < limit && walk.Next(step)) paths.push_back(step.path);
  return paths;
}

// The records as text: every class with its file and its members' names.
std::string Describe(const std::vector<std::unique_ptr<CClassInfo>>& records) {
  std::string text;
  for (const auto& record : records) {
    text += record->m_strName + " @" + record->m_strFile + ":";
    for (const auto& member : record->m_pMembers) text += " " + member->m_strName;
    text += "\n";
  }
  return text;
}

// What a serial load of `path` gives, failure included.
std::string ReadDirectly(const std::string& path) {
  CHeaderReader reader;
  try {
    return Describe(reader.Read(path, CPathKnowledge::kUnknown));
  } catch (const CFileTooLarge& tooLarge) {
    return std::string("too large: ") + tooLarge.Path();
  }
}

std::string ReadAhead(CReadAhead& ahead, const std::string& path) {
  try {
    return Describe(ahead.Read(path, CPathKnowledge::kUnknown));
  } catch (const CFileTooLarge& tooLarge) {
    return std::string("too large: ") + tooLarge.Path();
  }
}

class ReadAheadTest : public ::testing::Test {
 protected:
  ReadAheadTest() {
    for (int i = 0; i < 40; ++i) {
      const std::string name = "C" + std::to_string(i);
      headers.push_back(dir.Write(name + ".h", "class " + name + "\n{\n\tint m_a" + std::to_string(i) +
                                                   ", m_b;\n};\nclass " + name + "Two\n{\n\tCString m_s;\n};\n"));
    }
    std::string large = "class CLarge\n{\n};\n";
    large.resize(kMaxHeaderBytes + 1, ' ');
    tooLarge = dir.Write("large.h", large);
    noClass = dir.Write("none.h", "int g_n;\n");
  }

  TempDir dir;
  std::vector<std::string> headers;
  std::string tooLarge;
  std::string noClass;
};

TEST_F(ReadAheadTest, AnswersWhatASerialReadGivesForAnyOrderOfRequests) {
  // The walk lists more than the load asks for (the rest of a folder after a header over the
  // limit), and the load asks for headers the walk never lists, twice for one of them.
  std::vector<std::string> listed = {noClass, headers[0], tooLarge, headers[1], headers[2]};
  listed.insert(listed.end(), headers.begin() + 3, headers.end());
  const std::vector<std::string> asked = {noClass,     headers[0],  tooLarge,    headers[3], dir / "missing.h",
                                          headers[39], headers[39], headers[20], headers[38]};
  for (std::size_t window : {1u, 4u, 64u}) {
    CReadAhead ahead(std::make_unique<CListedWalk>(listed), window);
    for (const std::string& path : asked) EXPECT_EQ(ReadAhead(ahead, path), ReadDirectly(path)) << path;
  }
}

TEST_F(ReadAheadTest, ReadsEveryListedHeaderInTheLoadsOrder) {
  CReadAhead ahead(std::make_unique<CListedWalk>(headers), 8);
  std::string all;
  std::string expected;
  for (const std::string& path : headers) {
    all += ReadAhead(ahead, path);
    expected += ReadDirectly(path);
  }
  EXPECT_EQ(all, expected);
  EXPECT_NE(expected.find("C39Two @" + headers[39] + ": m_s"), std::string::npos);
}

// Before the load asks for anything, the second thread lists the headers and reads them: a header
// changed on disk afterwards still gives the classes it held when it was read ahead.
TEST_F(ReadAheadTest, ListsAndReadsBeforeTheLoadAsks) {
  const std::vector<std::string> some(headers.begin(), headers.begin() + 10);
  std::atomic<std::size_t> listed{0};
  CReadAhead ahead(std::make_unique<CListedWalk>(some, &listed), 64);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (listed < some.size() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_EQ(listed, some.size()) << "nothing was listed ahead";
  // Ten small headers: read long before this, even on a busy machine.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  for (const std::string& path : some) dir.Write(path.substr(dir.Path().size() + 1), "class CChanged\n{\n};\n");
  std::size_t readAhead = 0;
  for (std::size_t i = 0; i < some.size(); ++i) {
    const std::string classes = ReadAhead(ahead, some[i]);
    if (classes.starts_with("C" + std::to_string(i) + " @")) ++readAhead;
  }
  EXPECT_GT(readAhead, 0u) << "every header was read only when the load asked for it";
}

TEST_F(ReadAheadTest, StopsWhileHeadersAreStillBeingRead) {
  // Destroyed with most of the walk unread and nothing asked for: the second thread stops.
  CReadAhead ahead(std::make_unique<CListedWalk>(headers), 2);
  EXPECT_EQ(ReadAhead(ahead, headers[0]), ReadDirectly(headers[0]));
}

// Walks `folder` as Add Directory does, reading each header; `limit` headers at most.
std::vector<std::string> WalkAndRead(CReadAhead& ahead, const std::string& folder, std::size_t limit = 1000) {
  const std::unique_ptr<CHeaderWalk> walk = ahead.WalkFolder(folder, CFolderDepth::kFolderOnly);
  std::vector<std::string> read;
  CWalkStep step;
  while (read.size() < limit && walk->Next(step)) {
    EXPECT_EQ(ReadAhead(ahead, step.path), ReadDirectly(step.path)) << step.path;
    read.push_back(step.path);
  }
  return read;
}

TEST_F(ReadAheadTest, AFolderIsWalkedFromTheListingOrElseListedAgain) {
  TempDir other;
  for (const char* name : {"b.h", "a.h", "c.h"}) other.Write(name, "class CX\n{\n\tint m_x;\n};\n");
  const std::string folder = other.Path();
  CFolderWalk direct(folder);
  const std::vector<std::string> own = Walked(direct);
  ASSERT_EQ(own.size(), 3u);

  for (std::size_t window : {1u, 3u, 64u}) {
    // Listed twice, then a header, then a listing that breaks off inside the folder.
    std::vector<std::string> listed = {"<" + folder, own[0], own[1], own[2], ">" + folder};
    listed.insert(listed.end(), {"<" + folder, own[0], own[1], own[2], ">" + folder, headers[0], headers[1]});
    listed.insert(listed.end(), {"<" + folder, own[0], "<" + headers[2], headers[3]});
    CReadAhead ahead(std::make_unique<CListedWalk>(listed), window);
    EXPECT_EQ(WalkAndRead(ahead, folder), own);
    EXPECT_EQ(WalkAndRead(ahead, folder, 1), std::vector<std::string>{own[0]}) << "cut short by the load";
    EXPECT_EQ(ReadAhead(ahead, headers[0]), ReadDirectly(headers[0]));
    EXPECT_EQ(WalkAndRead(ahead, headers[4]), std::vector<std::string>()) << "not a listed folder";
    EXPECT_EQ(ReadAhead(ahead, headers[1]), ReadDirectly(headers[1]));
    EXPECT_EQ(WalkAndRead(ahead, folder), own) << "the listing breaks off after the first header";
    EXPECT_EQ(ReadAhead(ahead, headers[3]), ReadDirectly(headers[3]));
  }
}

}  // namespace
}  // namespace varnwick
