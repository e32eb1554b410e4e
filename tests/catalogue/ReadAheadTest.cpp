#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CReadAhead.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

// Lists a fixed sequence of headers.
class CListedWalk : public CHeaderWalk {
 public:
  explicit CListedWalk(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
  bool Next(std::string& path, CPathKnowledge& knowledge) override {
    if (m_next == m_paths.size()) return false;
    path = m_paths[m_next++];
    knowledge = CPathKnowledge::kUnknown;
    return true;
  }

 private:
  std::vector<std::string> m_paths;
  std::size_t m_next = 0;
};

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

TEST_F(ReadAheadTest, StopsWhileHeadersAreStillBeingRead) {
  // Destroyed with most of the walk unread and nothing asked for: the second thread stops.
  CReadAhead ahead(std::make_unique<CListedWalk>(headers), 2);
  EXPECT_EQ(ReadAhead(ahead, headers[0]), ReadDirectly(headers[0]));
}

}  // namespace
}  // namespace varnwick
