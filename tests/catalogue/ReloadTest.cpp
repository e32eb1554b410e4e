#include <gtest/gtest.h>

#include <filesystem>

#include "CCatalogue.h"
#include "CUNCPath.h"
#include "HeaderFile.h"
#include "ReloadMatch.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;
using Names = std::vector<std::string>;

std::string Class(const std::string& name, const std::string& member = "m_n") {
  return "class " + name + "\n{\n\tint " + member + ";\n};\n";
}

Names NamesInOrder(const CCatalogue& catalogue) {
  Names names;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) names.push_back(catalogue.At(i).m_strName);
  return names;
}

TEST(ReloadMatchTest, KeepsGainsAndLosesByName) {
  CReloadMatch match = MatchReloadedClasses({0, 1, 2}, {"CA", "CB", "CC"}, {"CC", "CD", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{2, std::nullopt, 0}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{1});

  // A class the user deleted is no gain, but a second one of its name is.
  match = MatchReloadedClasses({1}, {"CA", "CB"}, {"CA", "CB", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{1}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{2});

  // Equal names pair up in order.
  match = MatchReloadedClasses({0, 1}, {"CA", "CA"}, {"CA", "CX", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{0, 2}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{1});
}

TEST(ReloadMatchTest, OfTwoClassesOfOneNameTheOneNotDeletedStays) {
  // The first was deleted: the second takes the second of the name, not the first.
  CReloadMatch match = MatchReloadedClasses({1}, {"CA", "CA"}, {"CA", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{1}));
  EXPECT_TRUE(match.gained.empty());
  // The header holds only one of them now: that one.
  match = MatchReloadedClasses({1}, {"CA", "CA"}, {"CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{0}));
  // Records that moved apart in the catalogue still pair by their places in the header.
  match = MatchReloadedClasses({2, 0}, {"CA", "CB", "CA"}, {"CA", "CB", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{2, 0}));
}

TEST(ReloadTest, ReloadOfAnUnchangedHeaderKeepsTheSecondOfTwoClassesOfOneName) {
  TempDir dir;
  const std::string header = dir.Write("twice.h", Class("CTwice", "m_first") + Class("CTwice", "m_second"));
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(header));
  catalogue.Delete(0);
  catalogue.Reload();
  ASSERT_EQ(NamesInOrder(catalogue), (Names{"CTwice"}));
  EXPECT_EQ(catalogue.At(0).m_pMembers.at(0)->m_strName, "m_second");
  // And again, now that the record came from a reload.
  catalogue.Reload();
  EXPECT_EQ(catalogue.At(0).m_pMembers.at(0)->m_strName, "m_second");
}

TEST(ReloadTest, RecordsKeepTheirPlaceAndTakeTheHeaderAsItIsNow) {
  TempDir dir;
  const std::string first = dir.Write("first.h", Class("CA") + Class("CB") + Class("CC"));
  const std::string second = dir.Write("second.h", Class("CZ"));
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(first));
  ASSERT_TRUE(catalogue.AddFile(second));
  catalogue.Delete(2);  // CC: the user does not want it back

  // CB edited, CA lost, CD gained; CC is still in the header.
  dir.Write("first.h", Class("CB", "m_nEdited") + Class("CC") + Class("CD"));
  const CReloadReport report = catalogue.Reload();
  EXPECT_TRUE(report.problems.empty());
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CB", "CD", "CZ"}));
  EXPECT_EQ(catalogue.At(0).m_pMembers.at(0)->m_strName, "m_nEdited");
  EXPECT_EQ(catalogue.At(1).m_strFile, first);
  EXPECT_EQ(report.newPositions, (std::vector<std::optional<std::size_t>>{std::nullopt, 0, 2}));
  EXPECT_EQ(catalogue.LastClass(), "CZ") << "the remembered name does not change";

  // Read again unchanged: everything stays where it is, and CD is no longer a gain.
  const CReloadReport again = catalogue.Reload();
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CB", "CD", "CZ"}));
  EXPECT_EQ(again.newPositions, (std::vector<std::optional<std::size_t>>{0, 1, 2}));
}

TEST(ReloadTest, AHeaderThatIsGoneEmptyOrTooLargeLosesItsClassesAndSaysWhy) {
  TempDir dir;
  const std::string gone = dir.Write("gone.h", Class("CGone"));
  const std::string empty = dir.Write("empty.h", Class("CEmpty"));
  const std::string large = dir.Write("large.h", Class("CLarge"));
  const std::string kept = dir.Write("kept.h", Class("CKept"));
  CCatalogue catalogue;
  for (const std::string& path : {gone, empty, large, kept}) ASSERT_TRUE(catalogue.AddFile(path));

  std::filesystem::remove(gone);
  dir.Write("empty.h", "// the class moved away\n");
  std::string huge = Class("CLarge");
  huge.resize(kMaxHeaderBytes + 1, ' ');
  dir.Write("large.h", huge);
  const CReloadReport report = catalogue.Reload();

  EXPECT_EQ(NamesInOrder(catalogue), Names{"CKept"});
  ASSERT_EQ(report.problems.size(), 3u);
  EXPECT_EQ(report.problems[0].path, gone);
  EXPECT_EQ(report.problems[0].cause, CReloadCause::kGone);
  EXPECT_EQ(report.problems[1].path, empty);
  EXPECT_EQ(report.problems[1].cause, CReloadCause::kNoClass);
  EXPECT_EQ(report.problems[2].path, large);
  EXPECT_EQ(report.problems[2].cause, CReloadCause::kTooLarge);
  EXPECT_EQ(report.newPositions[3], std::optional<std::size_t>(0));
  EXPECT_EQ(report.headersRead, 4u);

  // A header that came back is a new header: Add takes it whole again.
  dir.Write("gone.h", Class("CGone"));
  ASSERT_TRUE(catalogue.AddFile(gone));
  EXPECT_FALSE(catalogue.LastFileReplaced());
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CKept", "CGone"}));
}

TEST(ReloadTest, AddingAHeaderAgainReplacesItsClassesWhereTheyStand) {
  TempDir dir;
  const std::string a = dir.Write("a.h", Class("CA") + Class("CB"));
  const std::string z = dir.Write("z.h", Class("CZ"));
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(a));
  ASSERT_TRUE(catalogue.AddFile(z));
  catalogue.Delete(1);  // CB
  dir.Write("a.h", Class("CA", "m_changed") + Class("CB") + Class("CC"));

  ASSERT_TRUE(catalogue.AddFile(a));
  EXPECT_TRUE(catalogue.LastFileReplaced());
  EXPECT_EQ(catalogue.LastFileClasses(), 3u);
  // Not doubled; the deleted class is back, since the user asked for the whole header.
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CA", "CB", "CC", "CZ"}));
  EXPECT_EQ(catalogue.At(0).m_pMembers.front()->m_strName, "m_changed");

  // Reload then reads it once: the replaced load is the only one.
  const CReloadReport report = catalogue.Reload();
  EXPECT_EQ(report.headersRead, 2u);
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CA", "CB", "CC", "CZ"}));

  // A header that now yields nothing leaves the catalogue as it was.
  dir.Write("a.h", "// nothing here\n");
  EXPECT_FALSE(catalogue.AddFile(a));
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CA", "CB", "CC", "CZ"}));

  catalogue.DeleteAll();
  EXPECT_TRUE(catalogue.Reload().problems.empty());
  EXPECT_TRUE(catalogue.IsEmpty());
}

// Counts the headers read and stops after `stopAfter` of them.
struct CStoppingListener : CReadListener {
  explicit CStoppingListener(std::size_t stop) : stopAfter(stop) {}
  void OnFileRead(const std::string& path, bool) override { paths.push_back(path); }
  bool IsCancelled() const override { return paths.size() >= stopAfter; }
  std::size_t stopAfter;
  std::vector<std::string> paths;
};

TEST(ReloadTest, ARememberedFolderGivesItsNewHeadersAfterItsOtherClasses) {
  TempDir dir;
  const std::string folder = dir.Path() + "/project";
  std::filesystem::create_directories(folder + "/sub");
  dir.Write("project/b.h", Class("CB"));
  dir.Write("project/sub/d.h", Class("CD"));
  dir.Write("project/empty.h", "// no class yet\n");
  const std::string single = dir.Write("single.h", Class("CSingle"));
  CCatalogue catalogue;
  catalogue.BeginFolder(folder, CFolderDepth::kWithSubfolders);
  // Named as the folder's walk names them, with the platform's separator.
  const std::string separator(1, kNativeSeparator);
  ASSERT_TRUE(catalogue.AddFile(folder + separator + "b.h"));
  ASSERT_TRUE(catalogue.AddFile(folder + separator + "sub" + separator + "d.h"));
  catalogue.EndFolder(true);
  ASSERT_TRUE(catalogue.AddFile(single));

  dir.Write("project/a.h", Class("CA"));
  dir.Write("project/sub/c.h", Class("CC"));
  dir.Write("project/empty.h", Class("CNowFull"));
  const CReloadReport report = catalogue.Reload();
  // In walk order (a folder's own headers before its subfolders'), after the folder's classes.
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CB", "CD", "CA", "CNowFull", "CC", "CSingle"}));
  EXPECT_EQ(report.newHeaders, 3u);
  EXPECT_EQ(report.newPositions, (std::vector<std::optional<std::size_t>>{0, 1, 5}));

  // Unchanged headers: nothing changes, and no header is new twice.
  const CReloadReport again = catalogue.Reload();
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CB", "CD", "CA", "CNowFull", "CC", "CSingle"}));
  EXPECT_EQ(again.newHeaders, 0u);

  // Classes the user deleted stay deleted: their header is known.
  catalogue.Delete(2);
  catalogue.Reload();
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CB", "CD", "CNowFull", "CC", "CSingle"}));
}

TEST(ReloadTest, ACancelledReloadLeavesTheHeadersNotReachedAsTheyWere) {
  TempDir dir;
  const std::string a = dir.Write("a.h", Class("CA"));
  const std::string b = dir.Write("b.h", Class("CB"));
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(a));
  ASSERT_TRUE(catalogue.AddFile(b));
  dir.Write("a.h", Class("CA2"));
  std::filesystem::remove(b);

  CStoppingListener listener(1);
  const CReloadReport report = catalogue.Reload(&listener);
  EXPECT_TRUE(report.cancelled);
  EXPECT_EQ(listener.paths, Names{a});
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CA2", "CB"}));
  EXPECT_TRUE(report.problems.empty());
}

TEST(ReloadTest, ACancelledFolderReadIsNotRemembered) {
  TempDir dir;
  const std::string folder = dir.Path() + "/project";
  std::filesystem::create_directories(folder);
  dir.Write("project/a.h", Class("CA"));
  CCatalogue catalogue;
  catalogue.BeginFolder(folder, CFolderDepth::kFolderOnly);
  ASSERT_TRUE(catalogue.AddFile(folder + kNativeSeparator + "a.h"));
  catalogue.EndFolder(false);
  dir.Write("project/b.h", Class("CB"));
  EXPECT_EQ(catalogue.Reload().newHeaders, 0u);
  EXPECT_EQ(NamesInOrder(catalogue), Names{"CA"});
}

}  // namespace
}  // namespace varnwick
