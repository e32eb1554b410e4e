#include <gtest/gtest.h>

#include <sstream>

#include "AddDirectory.h"
#include "PathLoader.h"
#include "UnreadableReason.h"
#include "WindowsTempDir.h"

namespace varnwick {
namespace {

std::string OneClass(const std::string& name) { return "class " + name + "\r\n{\r\n\tint m_a;\r\n};\r\n"; }

// Each loaded class with the last level of its file.
std::string Loaded(const CCatalogue& catalogue) {
  std::string loaded;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    const std::string& file = catalogue.At(i).m_strFile;
    loaded += catalogue.At(i).m_strName + "@" + file.substr(file.find_last_of("\\/") + 1) + " ";
  }
  return loaded;
}

// A folder on the Windows drive of the temporary folder and one on Wine's Z: drive, each named
// without and with a trailing separator and with mixed separators.
TEST(WindowsPathsTest, AddDirectoryReadsTheHeadersOfADriveFolder) {
  for (bool onWineDriveZ : {false, true}) {
    const test::WindowsTempDir dir(onWineDriveZ);
    ASSERT_EQ(dir.Path().substr(1, 2), ":\\") << dir.Path();
    dir.Write("b.h", OneClass("CB"));
    dir.Write("a.h", OneClass("CA"));
    dir.Write("notes.txt", OneClass("CText"));
    dir.Folder("sub.h");
    dir.Write("sub.h\\c.h", OneClass("CSub"));
    std::string mixed = dir.Path();
    mixed[mixed.find_last_of('\\')] = '/';
    for (const std::string& folder : {dir.Path(), dir.Path() + "\\", mixed + "/"}) {
      CCatalogue catalogue;
      AddDirectory(catalogue, folder, nullptr);
      EXPECT_EQ(Loaded(catalogue), "CA@a.h CB@b.h ") << folder;
    }
  }
}

TEST(WindowsPathsTest, LoaderTellsDriveFoldersFromDriveFiles) {
  const test::WindowsTempDir dir(true);
  const std::string header = dir.Write("MainFrm.h", OneClass("CMainFrame"));
  dir.Folder("res");
  dir.Write("res\\Doc.h", OneClass("CDoc"));
  CCatalogue catalogue;
  std::ostringstream messages;
  EXPECT_FALSE(LoadPaths(catalogue, {header, dir / "res", dir / "res\\", dir / "missing.h"}, messages));
  EXPECT_EQ(Loaded(catalogue), "CMainFrame@MainFrm.h CDoc@Doc.h CDoc@Doc.h ");
  EXPECT_EQ(catalogue.At(0).m_strFile, header);
  EXPECT_EQ(messages.str(), "varnwick-cli: " + dir / "missing.h" + ": " + *UnreadableReason(dir / "missing.h") + "\n");
}

}  // namespace
}  // namespace varnwick
