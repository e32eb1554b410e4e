#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "CUNCStandardActor.h"
#include "TempDirectory.h"

namespace varnwick {
namespace {

TEST(UNCResultFromErrno, MapsToTheSystemCodes) {
  const std::pair<int, UNCResult> cases[] = {
      {0, 0},
      {ENOENT, 0x80070002},
      {ENOTDIR, 0x80070003},
      {EACCES, 0x80070005},
      {EPERM, 0x80070005},
      {EEXIST, 0x800700B7},
      {ENOSYS, 0x80070078},
      {EIO, 0x80070000u | EIO},
      {0x12345, 0x80072345},
  };
  for (const auto& [error, code] : cases) {
    EXPECT_EQ(UNCResultFromErrno(error), code) << error;
    EXPECT_EQ(UNCFailed(UNCResultFromErrno(error)), error != 0) << error;
  }
}

struct ExistsCase {
  const char* relative;
  bool exists;
  UNCResult result;
};

TEST(CUNCStandardActorExists, OnlyRegularFilesAndExistingDirectories) {
  test::TempDirectory temp;
  ASSERT_FALSE(temp.Path().empty());
  temp.File("a.h");
  temp.Directory("dir");
  temp.Link(temp / "a.h", "link.h");
  temp.Link(temp / "none", "dangling.h");
  ASSERT_TRUE(temp.Fifo("pipe.h"));

  const ExistsCase cases[] = {
      {"a.h", true, kUNCOk},
      {"dir\\..\\a.h", true, kUNCOk},
      {"link.h", true, kUNCOk},
      {"dir", false, kUNCNotFound},
      {"dir/", true, kUNCOk},
      {"pipe.h", false, kUNCNotFound},
      {"missing.h", false, kUNCNotFound},
      {"dangling.h", false, kUNCNotFound},
      {"missing/", false, kUNCNotFound},
      {"a.h/x.h", false, kUNCPathNotFound},
  };
  for (const ExistsCase& c : cases) {
    for (bool bForwardSlash : {false, true}) {
      bool exists = !c.exists;
      const UNCResult result =
          CUNCStandardActor::Instance().Exists(CUNCPath(temp / c.relative, bForwardSlash), &exists);
      EXPECT_EQ(exists, c.exists) << c.relative;
      EXPECT_EQ(result, c.result) << c.relative;
    }
  }
}

std::vector<CUNCFindData> FindAll(const std::string& pattern, UNCResult* last) {
  CUNCStandardActor& actor = CUNCStandardActor::Instance();
  std::vector<CUNCFindData> found;
  CUNCFindHandle handle = nullptr;
  CUNCFindData data;
  *last = actor.FindFirst(CUNCPath(pattern), &handle, &data);
  if (handle == nullptr) return found;
  do found.push_back(data);
  while (!UNCFailed(*last = actor.FindNext(handle, &data)));
  EXPECT_EQ(actor.FindClose(handle), kUNCOk);
  return found;
}

std::string Names(const std::vector<CUNCFindData>& found) {
  std::string names;
  for (const CUNCFindData& data : found) {
    names += data.name + (data.isDirectory ? "/" : "") + (data.isSymlink ? "@" : "") + " ";
  }
  return names;
}

TEST(CUNCStandardActorFind, SortedCaseInsensitiveMatches) {
  test::TempDirectory temp;
  ASSERT_FALSE(temp.Path().empty());
  for (const char* name : {"b.H", "A.h", "c.txt", "a.hh", "ab.h", "readme"}) temp.File(name);
  temp.Directory("sub.h");
  temp.Link(temp / "sub.h", "via.h");

  const std::pair<const char*, const char*> cases[] = {
      {"*.h", "A.h ab.h b.H sub.h/ via.h/@ "},
      {"?.h", "A.h b.H "},
      {"A*.H*", "A.h a.hh ab.h "},
      {"*.*", "./ ../ A.h a.hh ab.h b.H c.txt readme sub.h/ via.h/@ "},
      {"read?e", "readme "},
  };
  for (const auto& [pattern, expected] : cases) {
    UNCResult last = kUNCOk;
    EXPECT_EQ(Names(FindAll(temp / pattern, &last)), expected) << pattern;
    EXPECT_EQ(last, kUNCNoMoreFiles) << pattern;
  }
}

TEST(CUNCStandardActorFind, NothingFoundLeavesNoHandle) {
  test::TempDirectory temp;
  ASSERT_FALSE(temp.Path().empty());
  temp.File("a.txt");
  for (const std::string& pattern : {temp / "*.h", temp / "missing/*.h"}) {
    CUNCFindHandle handle = reinterpret_cast<CUNCFindHandle>(&temp);
    CUNCFindData data;
    EXPECT_EQ(CUNCStandardActor::Instance().FindFirst(CUNCPath(pattern), &handle, &data),
              kUNCNotFound);
    EXPECT_EQ(handle, nullptr);
  }
  CUNCFindData data;
  EXPECT_TRUE(UNCFailed(CUNCStandardActor::Instance().FindNext(nullptr, &data)));
}

TEST(CUNCPathQualify, AbsoluteResolvedOrLexical) {
  test::TempDirectory temp;
  ASSERT_FALSE(temp.Path().empty());
  temp.Directory("real");
  temp.File("real/a.h");
  temp.Link(temp / "real", "alias");

  CUNCPath viaLink(temp / "alias/a.h", true);
  EXPECT_TRUE(viaLink.Qualify());
  char* resolvedTemp = realpath(temp.Path().c_str(), nullptr);
  const std::string base = resolvedTemp;
  free(resolvedTemp);
  EXPECT_EQ(viaLink.GetFull(), base + "/real/a.h");

  CUNCPath missing(temp / "real/../none/./b.h", true);
  EXPECT_TRUE(missing.Qualify());
  EXPECT_EQ(missing.GetFull(), temp / "none/b.h");

  CUNCPath directory(temp / "real/", true);
  EXPECT_TRUE(directory.Qualify());
  EXPECT_EQ(directory.GetFull(), base + "/real/");

  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  CUNCPath relative("no-such-dir\\c.h");
  EXPECT_TRUE(relative.Qualify());
  EXPECT_EQ(relative.File(), "c.h");
  EXPECT_EQ(relative.Directory(), std::string(cwd) + "/no-such-dir/");

  CUNCPath empty;
  EXPECT_TRUE(empty.Qualify());
  EXPECT_TRUE(empty.IsEmpty());

  EXPECT_EQ(CUNCPath(temp / "real/a.h", true).Root().GetFull(), "/");
}

}  // namespace
}  // namespace varnwick
