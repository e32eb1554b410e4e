#include <gtest/gtest.h>

#include <filesystem>

#include "AddDirectory.h"
#include "CUNCPath.h"
#include "HeaderFile.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

struct RecordingListener : CReadListener {
  void OnFileRead(const std::string& path, bool found) override { reads.push_back({path, found}); }
  bool IsCancelled() const override { return reads.size() >= cancelAfter; }
  std::vector<std::pair<std::string, bool>> reads;
  std::size_t cancelAfter = static_cast<std::size_t>(-1);
};

std::vector<std::string> Names(const CCatalogue& catalogue) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) names.push_back(catalogue.At(i).m_strName);
  return names;
}

std::string OneClass(const std::string& name) { return "class " + name + "\n{\nint m_a;\n};\n"; }

// A header's path as the walk answers it: the folder joined with the platform's separator.
std::string Walked(const TempDir& dir, const std::string& name) {
  return dir.Path() + kNativeSeparator + name;
}

TEST(AddDirectoryTest, PatternAddsASeparatorOnlyWhenMissing) {
  EXPECT_EQ(HeaderPattern("/src"), std::string("/src") + kNativeSeparator + "*.h");
  EXPECT_EQ(HeaderPattern("/src/"), "/src/*.h");
  EXPECT_EQ(HeaderPattern("C:\\src\\"), "C:\\src\\*.h");
}

TEST(AddDirectoryTest, ReadsEachHeaderOfTheFolderOnceInNameOrder) {
  TempDir dir;
  dir.Write("b.h", OneClass("CB"));
  dir.Write("a.h", OneClass("CA"));
  dir.Write("C.H", OneClass("CUpper"));  // the pattern matches without regard to case
  dir.Write("notes.txt", OneClass("CText"));
  dir.Write("empty.h", "// nothing here\n");
  dir.Write("sub/deep.h", OneClass("CDeep"));
  std::filesystem::create_directory(dir / "folder.h");
  CCatalogue catalogue;
  RecordingListener listener;
  AddDirectory(catalogue, dir.Path(), &listener);

  std::vector<std::string> names;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) names.push_back(catalogue.At(i).m_strName);
  EXPECT_EQ(names, (std::vector<std::string>{"CUpper", "CA", "CB"}));
  const std::vector<std::pair<std::string, bool>> expected = {
      {Walked(dir, "C.H"), true}, {Walked(dir, "a.h"), true}, {Walked(dir, "b.h"), true},
      {Walked(dir, "empty.h"), false}};
  EXPECT_EQ(listener.reads, expected);
  EXPECT_EQ(catalogue.LastClass(), "CB") << "the first class of the last header that had one";
}

TEST(AddDirectoryTest, FolderWithoutHeadersChangesNothing) {
  TempDir dir;
  dir.Write("readme.txt", "class CA\n");
  CCatalogue catalogue;
  AddDirectory(catalogue, dir.Path(), nullptr);
  AddDirectory(catalogue, dir / "does-not-exist", nullptr);
  EXPECT_TRUE(catalogue.IsEmpty());
}

TEST(AddDirectoryTest, OversizedHeaderEndsTheWalkKeepingWhatWasRead) {
  TempDir dir;
  dir.Write("a.h", OneClass("CA"));
  std::string large = OneClass("CLarge");
  large.resize(kMaxHeaderBytes + 1, ' ');
  dir.Write("b.h", large);
  dir.Write("c.h", OneClass("CC"));
  CCatalogue catalogue;
  EXPECT_THROW(AddDirectory(catalogue, dir.Path() + "/", nullptr), CFileTooLarge);
  ASSERT_EQ(catalogue.Size(), 1u);
  EXPECT_EQ(catalogue.At(0).m_strName, "CA");
}

TEST(AddDirectoryTest, SubfoldersAreReadDepthFirstInByteOrderAfterTheFolderItself) {
  TempDir dir;
  dir.Write("top.h", OneClass("CTop"));
  dir.Write("b/b.h", OneClass("CB"));
  dir.Write("Z/upper.h", OneClass("CUpperZ"));  // "Z" sorts before "a" and "b" by its byte
  dir.Write("a/z.h", OneClass("CAZ"));
  dir.Write("a/deeper/d.h", OneClass("CDeep"));
  dir.Write("a/a.h", OneClass("CAA"));
  dir.Write("a/notes.txt", OneClass("CText"));
  std::filesystem::create_directories(dir / "empty/nothing");
  CCatalogue catalogue;
  AddDirectory(catalogue, dir.Path(), nullptr, CFolderDepth::kWithSubfolders);
  EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"CTop", "CUpperZ", "CAA", "CAZ", "CDeep", "CB"}));

  CCatalogue flat;
  AddDirectory(flat, dir.Path(), nullptr, CFolderDepth::kFolderOnly);
  EXPECT_EQ(Names(flat), std::vector<std::string>{"CTop"});
}

#ifndef _WIN32
TEST(AddDirectoryTest, SymlinkedFoldersAreNeverEntered) {
  TempDir dir;
  dir.Write("a.h", OneClass("CA"));
  dir.Write("sub/s.h", OneClass("CS"));
  TempDir outside;
  outside.Write("o.h", OneClass("COutside"));
  std::filesystem::create_directory_symlink(dir.Path(), dir / "sub/loop");
  std::filesystem::create_directory_symlink(outside.Path(), dir / "elsewhere");
  std::filesystem::create_symlink(dir / "a.h", dir / "sub/alias.h");  // a linked file is a file
  CCatalogue catalogue;
  AddDirectory(catalogue, dir.Path(), nullptr, CFolderDepth::kWithSubfolders);
  EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"CA", "CA", "CS"}));
}
#endif

TEST(AddDirectoryTest, CancelEndsTheWalkKeepingWhatWasRead) {
  TempDir dir;
  for (const char* name : {"a", "b", "c", "d"}) dir.Write(std::string("sub/") + name + ".h", OneClass(std::string("C") + name));
  CCatalogue catalogue;
  RecordingListener listener;
  listener.cancelAfter = 2;
  AddDirectory(catalogue, dir.Path(), &listener, CFolderDepth::kWithSubfolders);
  EXPECT_EQ(Names(catalogue), (std::vector<std::string>{"Ca", "Cb"}));
  EXPECT_EQ(listener.reads.size(), 2u);
}

}  // namespace
}  // namespace varnwick
