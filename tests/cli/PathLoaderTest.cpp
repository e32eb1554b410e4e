#include <gtest/gtest.h>

#include <sstream>

#include "PathLoader.h"
#include "TempDir.h"
#include "UnreadableReason.h"

namespace varnwick {
namespace {

using test::TempDir;

TEST(PathLoaderTest, EachPathIsOneCommandAndProblemsDoNotStopTheRest) {
  TempDir dir;
  const std::string good = dir.Write("good.h", "class CGood\n{\n};\n");
  const std::string none = dir.Write("none.h", "int x;\n");
  std::string large = "class CLarge\n{\n};\n";
  large.resize(2 * 1024 * 1024, ' ');
  const std::string big = dir.Write("big.h", large);
  dir.Write("folder/one.h", "class COne\n{\n};\n");
  dir.Write("folder/two.h", "class CTwo\n{\n};\n");

  CCatalogue catalogue;
  std::ostringstream messages;
  EXPECT_FALSE(LoadPaths(catalogue, {good, dir / "missing.h", none, big, dir / "folder", good}, messages));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) names.push_back(catalogue.At(i).m_strName);
  EXPECT_EQ(names, (std::vector<std::string>{"CGood", "COne", "CTwo", "CGood"}));
  EXPECT_EQ(messages.str(), "varnwick-cli: " + (dir / "missing.h") + ": " + *UnreadableReason(dir / "missing.h") +
                                "\nNo class information in " + none + "\nvarnwick-cli: " + big +
                                ": larger than 1,048,575 bytes\n");
}

TEST(PathLoaderTest, AHeaderWithoutAClassIsNoFailure) {
  TempDir dir;
  CCatalogue catalogue;
  std::ostringstream messages;
  EXPECT_TRUE(LoadPaths(catalogue, {dir.Write("none.h", "int x;\n"), dir.Path()}, messages));
  EXPECT_EQ(messages.str(), "No class information in " + (dir / "none.h") + "\n");
}

}  // namespace
}  // namespace varnwick
