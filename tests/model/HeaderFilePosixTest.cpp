#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "HeaderFile.h"
#include "OddFiles.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

TEST(HeaderFileTest, FifosAndDevicesAreNotRead) {
  TempDir dir;
  // A FIFO would block a reader for ever.
  ASSERT_EQ(::mkfifo((dir / "fifo.h").c_str(), 0644), 0);
  EXPECT_FALSE(ReadHeaderFile(dir / "fifo.h"));
  EXPECT_FALSE(ReadHeaderFile("/dev/zero"));
}

TEST(HeaderFileTest, UnreadableFileIsAnEmptyText) {
  TempDir dir;
  const std::string path = dir.Write("secret.h", "class CA\n{\n};\n");
  ::chmod(path.c_str(), 0);
  const test::CNoReadOverride unprivileged;  // root would read it
  const std::optional<std::string> text = ReadHeaderFile(path);
  ASSERT_TRUE(text);
  EXPECT_EQ(*text, "");
}

}  // namespace
}  // namespace varnwick
