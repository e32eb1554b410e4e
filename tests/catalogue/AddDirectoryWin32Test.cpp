#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AddDirectory.h"
#include "WindowsTempDir.h"

namespace varnwick {
namespace {

using test::WindowsTempDir;

struct RecordingListener : CReadListener {
  void OnFileRead(const std::string& path, bool) override { reads.push_back(path); }
  std::vector<std::string> reads;
};

// The folder picker answers a folder such as "C:\Project"; each header must come back as
// Windows writes it, so that the class's file and the messages read as the user's own paths.
TEST(AddDirectoryWin32, HeadersComeBackWithBackslashes) {
  for (const bool onDriveZ : {false, true}) {
    WindowsTempDir dir(onDriveZ);
    dir.Write("b.h", "class CB\n{\nint m_b;\n};\n");
    dir.Write("a.h", "class CA\n{\nint m_a;\n};\n");
    for (const std::string& folder : {dir.Path(), dir.Path() + "\\"}) {
      CCatalogue catalogue;
      RecordingListener listener;
      AddDirectory(catalogue, folder, &listener);
      EXPECT_EQ(listener.reads, (std::vector<std::string>{dir / "a.h", dir / "b.h"})) << folder;
      ASSERT_EQ(catalogue.Size(), 2u) << folder;
      EXPECT_EQ(catalogue.At(0).m_strFile, dir / "a.h");
    }
  }
}

}  // namespace
}  // namespace varnwick
