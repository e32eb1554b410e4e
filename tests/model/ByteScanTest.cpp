#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "CLineBytes.h"
#include "LineScan.h"
#include "LogicalLineReader.h"

namespace varnwick {
namespace {

// Lines rich in the bytes the scans look for, each kind of mark and keyword landing on every
// position of a chunk and across chunk ends, from a fixed seed so a failure repeats.
std::vector<std::string> Lines() {
  std::vector<std::string> lines = {
      "xxxxxxxxxxxxxxx//xxxxxxxxxxxxxxxxxxxx",  // a comment across the first chunk's end
      "xxxxxxxxxxxxxx//x",                      // in the first chunk, seen again in the overlap
      "                               / ///////////////",
      "\tstruct tagPOINT m_pt;   // one point of the shape",
      "\tCTypedPtrList<CObList, CShape*> m_shapes;typedef ",
      "nnnnnnnnnnnnnnnn return x;",
      "xxxxxxxxxxxxxxxtypedef struct {",
      "\tint m_nValue; /* not a line comment */ int m_b; // here",
  };
  const std::string alphabet = "//  ():{}#tfmnstructypedefenumreturn\tx*,>mC_";
  std::mt19937 random(20240611);
  for (int i = 0; i < 3000; ++i) {
    std::string line(16 + random() % 90, ' ');
    for (char& c : line) c = alphabet[random() % alphabet.size()];
    lines.push_back(line);
  }
  return lines;
}

TEST(ByteScanTest, ChunkAndByteScansOfALineAgree) {
  for (const std::string& line : Lines()) {
    const LineScan bytes = ScanLineBytes(line);
    const LineScan chunks = ScanLineChunks(line);
    ASSERT_EQ(chunks.comment, bytes.comment) << line;
    for (std::size_t cut = 0; cut <= line.size(); ++cut) {
      const std::string_view cutLine = std::string_view(line).substr(0, cut);
      ASSERT_EQ(chunks.HasNonDeclarationMark(cutLine), bytes.HasNonDeclarationMark(cutLine)) << line << " cut " << cut;
    }
    EXPECT_EQ(ScanLine(line).comment, bytes.comment);
  }
}

TEST(ByteScanTest, ChunkAndByteIndexesOfADeclarationAgreeOnEveryPart) {
  for (const std::string& line : Lines()) {
    if (line.size() > 64) continue;
    const CLineBytes bytes(line, CLineBytes::Indexing::kByBytes);
    const CLineBytes chunks(line, CLineBytes::Indexing::kByChunks);
    const std::string_view view = line;
    for (std::size_t from = 0; from < line.size(); ++from) {
      for (std::size_t length = 0; from + length <= line.size(); ++length) {
        const std::string_view part = view.substr(from, length);
        for (int kind = 0; kind < CLineBytes::kKinds; ++kind) {
          const auto k = static_cast<CLineBytes::Kind>(kind);
          ASSERT_EQ(chunks.Find(part, k), bytes.Find(part, k)) << line << " from " << from << " length " << length;
        }
      }
    }
  }
}

TEST(ByteScanTest, ChunkAndByteNewlineBitsAgree) {
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    char block[64];
    for (char& c : block) c = "\n\r a\t"[random() % 5];
    if (i == 0) std::fill(std::begin(block), std::end(block), '\n');
    EXPECT_EQ(NewlineBitsByChunks(block), NewlineBitsByBytes(block, 64)) << i;
  }
  EXPECT_EQ(NewlineBitsByBytes("a\nb\n", 4), 0b1010u);
}

}  // namespace
}  // namespace varnwick
