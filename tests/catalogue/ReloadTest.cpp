#include <gtest/gtest.h>

#include <filesystem>

#include "CCatalogue.h"
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
  CReloadMatch match = MatchReloadedClasses({"CA", "CB", "CC"}, {"CA", "CB", "CC"}, {"CC", "CD", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{2, std::nullopt, 0}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{1});

  // A class the user deleted is no gain, but a second one of its name is.
  match = MatchReloadedClasses({"CB"}, {"CA", "CB"}, {"CA", "CB", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{1}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{2});

  // Equal names pair up in order.
  match = MatchReloadedClasses({"CA", "CA"}, {"CA", "CA"}, {"CA", "CX", "CA"});
  EXPECT_EQ(match.kept, (std::vector<std::optional<std::size_t>>{0, 2}));
  EXPECT_EQ(match.gained, std::vector<std::size_t>{1});
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

TEST(ReloadTest, AHeaderThatIsGoneEmptyOrTooLargeLosesItsClasses) {
  TempDir dir;
  const std::string gone = dir.Write("gone.h", Class("CGone"));
  const std::string empty = dir.Write("empty.h", Class("CEmpty"));
  const std::string large = dir.Write("large.h", Class("CLarge"));
  const std::string kept = dir.Write("kept.h", Class("CKept"));
  CCatalogue catalogue;
  for (const std::string& path : {gone, empty, large, kept, gone}) ASSERT_TRUE(catalogue.AddFile(path));

  std::filesystem::remove(gone);
  dir.Write("empty.h", "// the class moved away\n");
  std::string huge = Class("CLarge");
  huge.resize(kMaxHeaderBytes + 1, ' ');
  dir.Write("large.h", huge);
  const CReloadReport report = catalogue.Reload();

  EXPECT_EQ(NamesInOrder(catalogue), Names{"CKept"});
  ASSERT_EQ(report.problems.size(), 3u) << "a header loaded twice is reported once";
  EXPECT_EQ(report.problems[0].path, gone);
  EXPECT_FALSE(report.problems[0].tooLarge);
  EXPECT_EQ(report.problems[1].path, empty);
  EXPECT_EQ(report.problems[2].path, large);
  EXPECT_TRUE(report.problems[2].tooLarge);
  EXPECT_EQ(report.newPositions[3], std::optional<std::size_t>(0));
}

TEST(ReloadTest, AHeaderLoadedTwiceKeepsBothCopies) {
  TempDir dir;
  const std::string path = dir.Write("a.h", Class("CA"));
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(path));
  ASSERT_TRUE(catalogue.AddFile(path));
  dir.Write("a.h", Class("CA") + Class("CNew"));
  catalogue.Reload();
  EXPECT_EQ(NamesInOrder(catalogue), (Names{"CA", "CNew", "CA", "CNew"}));
  const CClassList list = catalogue.SortedClassList();
  EXPECT_EQ(list.SelectedRecord(), std::optional<std::size_t>(2)) << "the later copy, as after the second load";

  catalogue.DeleteAll();
  EXPECT_TRUE(catalogue.Reload().problems.empty());
  EXPECT_TRUE(catalogue.IsEmpty());
}

}  // namespace
}  // namespace varnwick
