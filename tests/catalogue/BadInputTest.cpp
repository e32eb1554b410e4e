// What a user's disk may hold besides headers, read through the catalogue: every failed load
// leaves the catalogue exactly as it was, and a header that vanishes after the folder was listed
// is passed over. (The command-line and main-window suites cover the rest.)
#include <gtest/gtest.h>

#include <filesystem>

#include "AddDirectory.h"
#include "CUNCPath.h"
#include "HeaderFile.h"
#include "OddFiles.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

std::string OneClass(const std::string& name) { return "class " + name + "\r\n{\r\n\tint m_n;\r\n};\r\n"; }

// Name and file of every record, and the remembered class: all a failed load must leave alone.
std::vector<std::string> Snapshot(const CCatalogue& catalogue) {
  std::vector<std::string> state{catalogue.LastClass()};
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    state.push_back(catalogue.At(i).m_strName + " " + catalogue.At(i).m_strFile);
  }
  return state;
}

std::string Walked(const TempDir& dir, const std::string& name) { return dir.Path() + kNativeSeparator + name; }

TEST(BadInputTest, AFailedLoadLeavesTheCatalogueAsItWas) {
  TempDir dir;
  std::filesystem::create_directory(dir / "folder.h");
  test::MakeFifo(dir / "fifo.h");
  test::MakeSocket(dir / "socket.h");
  test::MakeSymlink("loop.h", dir / "loop.h");
  test::MakeSymlink(dir / "missing.h", dir / "dangling.h");
  dir.Write("utf16.h", std::string("\xFF\xFE" "c\0l\0a\0s\0s\0 \0C\0W\0\r\0\n\0{\0\r\0\n\0}\0;\0", 28));
  dir.Write("large.h", OneClass("CLarge") + std::string(kMaxHeaderBytes, ' '));
  test::MakeUnreadable(dir.Write("secret.h", OneClass("CSecret")));

  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("good.h", OneClass("CGood"))));
  const std::vector<std::string> before = Snapshot(catalogue);
  for (const char* name : {"folder.h", "fifo.h", "socket.h", "loop.h", "dangling.h", "utf16.h", "missing.h"}) {
    EXPECT_FALSE(catalogue.AddFile(dir / name)) << name;
    EXPECT_EQ(Snapshot(catalogue), before) << name;
  }
  EXPECT_THROW(catalogue.AddFile(dir / "large.h"), CFileTooLarge);
  EXPECT_EQ(Snapshot(catalogue), before);
  {
    const test::CNoReadOverride unprivileged;
    EXPECT_FALSE(catalogue.AddFile(dir / "secret.h"));
  }
  EXPECT_EQ(Snapshot(catalogue), before);
}

// Deletes one header of the folder when another has been read: after the listing, before its read.
struct DeletingListener : CReadListener {
  void OnFileRead(const std::string& path, bool found) override {
    reads.push_back({path, found});
    if (reads.size() == 1) std::filesystem::remove(victim);
  }
  std::string victim;
  std::vector<std::pair<std::string, bool>> reads;
};

TEST(BadInputTest, AHeaderDeletedBetweenListingAndReadIsPassedOver) {
  TempDir dir;
  dir.Write("a.h", OneClass("CA"));
  dir.Write("b.h", OneClass("CB"));
  dir.Write("c.h", OneClass("CC"));
  DeletingListener listener;
  listener.victim = dir / "b.h";
  CCatalogue catalogue;
  AddDirectory(catalogue, dir.Path(), &listener);
  const std::vector<std::pair<std::string, bool>> expected = {
      {Walked(dir, "a.h"), true}, {Walked(dir, "b.h"), false}, {Walked(dir, "c.h"), true}};
  EXPECT_EQ(listener.reads, expected);
  ASSERT_EQ(catalogue.Size(), 2u);
  EXPECT_EQ(catalogue.LastClass(), "CC");
}

}  // namespace
}  // namespace varnwick
