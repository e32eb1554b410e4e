#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CUNCIterator.h"
#include "CUNCStandardActor.h"
#include "WindowsTempDir.h"

namespace varnwick {
namespace {

using test::WindowsTempDir;

struct ExistsCase {
  std::string path;
  bool exists;
  UNCResult result;
};

TEST(CUNCStandardActorWin32, ExistsOnFilesAndFolders) {
  WindowsTempDir dir(true);
  dir.Write("a.h", "class CA\r\n");
  dir.Folder("sub");
  const std::string z = dir.Path();
  const ExistsCase cases[] = {
      {z + "\\a.h", true, kUNCOk},
      {z + "/a.h", true, kUNCOk},
      {z + "\\sub\\..\\A.H", true, kUNCOk},
      {z + "\\sub", false, kUNCNotFound},  // a folder named as a file
      {z + "\\sub\\", true, kUNCOk},
      {z + "/sub/", true, kUNCOk},
      {z + "\\", true, kUNCOk},
      {z + "\\missing.h", false, kUNCNotFound},
      {z + "\\missing\\a.h", false, kUNCPathNotFound},
      {z + "\\missing\\", false, kUNCNotFound},
  };
  for (const ExistsCase& c : cases) {
    for (bool bForwardSlash : {false, true}) {
      bool exists = !c.exists;
      EXPECT_EQ(CUNCStandardActor::Instance().Exists(CUNCPath(c.path, bForwardSlash), &exists), c.result)
          << c.path;
      EXPECT_EQ(exists, c.exists) << c.path;
    }
  }
}

std::string FindAll(const std::string& pattern, UNCResult* last) {
  CUNCStandardActor& actor = CUNCStandardActor::Instance();
  std::string names;
  CUNCFindHandle handle = nullptr;
  CUNCFindData data;
  *last = actor.FindFirst(CUNCPath(pattern), &handle, &data);
  if (handle == nullptr) return names;
  do names += data.name + (data.isDirectory ? "/ " : " ");
  while (!UNCFailed(*last = actor.FindNext(handle, &data)));
  EXPECT_EQ(actor.FindClose(handle), kUNCOk);
  return names;
}

TEST(CUNCStandardActorWin32, FindListsMatchesInByteOrder) {
  WindowsTempDir dir(true);
  for (const char* name : {"b.H", "A.h", "c.txt", "ab.h"}) dir.Write(name, "x");
  dir.Folder("sub.h");
  const std::pair<std::string, std::string> cases[] = {
      {dir / "*.h", "A.h ab.h b.H sub.h/ "},
      {dir.Path() + "/?.h", "A.h b.H "},
      {dir / "*", "./ ../ A.h ab.h b.H c.txt sub.h/ "},
  };
  for (const auto& [pattern, expected] : cases) {
    UNCResult last = kUNCOk;
    EXPECT_EQ(FindAll(pattern, &last), expected) << pattern;
    EXPECT_EQ(last, kUNCNoMoreFiles) << pattern;
  }
}

TEST(CUNCStandardActorWin32, FindWithoutMatchGivesNoHandle) {
  WindowsTempDir dir(true);
  dir.Write("a.txt", "x");
  const std::pair<std::string, UNCResult> cases[] = {
      {dir / "*.h", kUNCNotFound},
      {dir / "missing\\*.h", kUNCPathNotFound},
  };
  CUNCStandardActor& actor = CUNCStandardActor::Instance();
  for (const auto& [pattern, code] : cases) {
    CUNCFindHandle handle = reinterpret_cast<CUNCFindHandle>(&dir);
    CUNCFindData data;
    EXPECT_EQ(actor.FindFirst(CUNCPath(pattern), &handle, &data), code) << pattern;
    EXPECT_EQ(handle, nullptr) << pattern;
  }
  CUNCFindData data;
  EXPECT_TRUE(UNCFailed(actor.FindNext(nullptr, &data)));
  EXPECT_TRUE(UNCFailed(actor.FindClose(nullptr)));
}

TEST(CUNCStandardActorWin32, WalkOfABackslashPattern) {
  WindowsTempDir dir(true);
  dir.Write("b.h", "x");
  dir.Write("a.h", "x");
  dir.Folder("sub");
  dir.Write("sub\\c.h", "x");
  CUNCIterator walk(dir / "*.h");
  ASSERT_TRUE(walk.Start(true, false, false, false));
  std::vector<std::string> found;
  while (!walk.Current().IsEmpty()) found.push_back(walk.Advance().GetFull());
  EXPECT_EQ(found, (std::vector<std::string>{dir / "a.h", dir / "b.h"}));
}

std::string CurrentDirectory() {
  char buffer[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(sizeof buffer, buffer);
  return buffer;
}

// Restores the current directory when the test ends.
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::string& directory) : m_saved(CurrentDirectory()) {
    SetCurrentDirectoryA(directory.c_str());
  }
  ~CurrentDirectoryScope() { SetCurrentDirectoryA(m_saved.c_str()); }

 private:
  std::string m_saved;
};

TEST(CUNCStandardActorWin32, QualifyAsksTheSystemForTheFullPath) {
  WindowsTempDir dir(true);
  const CurrentDirectoryScope scope(dir.Path());
  const std::string current = CurrentDirectory();

  CUNCPath relative("sub\\..\\x.h");
  EXPECT_TRUE(relative.Qualify());
  EXPECT_EQ(relative.GetFull(), current + "\\x.h");
  EXPECT_EQ(relative.LastResult(), kUNCOk);

  CUNCPath slashes("sub/y.h", true);
  EXPECT_TRUE(slashes.Qualify());
  EXPECT_EQ(slashes.GetFull(), current + "\\sub\\y.h");
  EXPECT_TRUE(slashes.ForwardSlash()) << "the separator mode stays";

  CUNCPath folder("sub\\");
  EXPECT_TRUE(folder.Qualify());
  EXPECT_EQ(folder.Directory(), current.substr(2) + "\\sub\\");
  EXPECT_EQ(folder.File(), "");

  CUNCPath driveRelative("C:MainFrm.h");
  EXPECT_TRUE(driveRelative.Qualify());
  EXPECT_EQ(driveRelative.Server(), "C:");
  EXPECT_EQ(driveRelative.File(), "MainFrm.h");
  EXPECT_EQ(driveRelative.Directory().front(), '\\');

  CUNCPath empty;
  EXPECT_TRUE(empty.Qualify());
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(CUNCPath(dir / "a.h").Root().GetFull(), current.substr(0, 3));
}

}  // namespace
}  // namespace varnwick
