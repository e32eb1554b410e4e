#include <gtest/gtest.h>

#include "CCatalogue.h"
#include "HeaderFile.h"
#include "ClassListNames.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::SelectedName;
using test::ShownNames;
using test::TempDir;
using namespace std::string_literals;

TEST(CatalogueTest, AddFileReadsEveryClassAndSelectsTheFirst) {
  TempDir dir;
  const std::string path = dir.Write("two.h", "class CZeta\n{\nint m_a;\n};\nclass CAlpha\n{\n};\nclass CMid\n{\n};\n");
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(path));
  ASSERT_EQ(catalogue.Size(), 3u);
  EXPECT_EQ(catalogue.LastClass(), "CZeta");
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(catalogue.At(i).m_strFile, path);
  const CClassList list = catalogue.SortedClassList();
  EXPECT_EQ(ShownNames(catalogue, list), (std::vector<std::string>{"CAlpha", "CMid", "CZeta"}));
  EXPECT_EQ(SelectedName(catalogue, list), "CZeta");
}

TEST(CatalogueTest, SameClassFromTwoHeadersSelectsItsLatestRecord) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class CA\n{\n};\n")));
  ASSERT_TRUE(catalogue.AddFile(dir.Write("b.h", "class CA\n{\n};\n")));
  const CClassList list = catalogue.SortedClassList();
  EXPECT_EQ(ShownNames(catalogue, list), (std::vector<std::string>{"CA", "CA"}));
  EXPECT_EQ(list.SelectedRecord(), std::optional<std::size_t>(1));
}

TEST(CatalogueTest, FailedLoadsLeaveTheCatalogueAsItWas) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class CA\n{\n};\n")));
  EXPECT_FALSE(catalogue.AddFile(dir / "missing.h"));
  EXPECT_FALSE(catalogue.AddFile(dir.Write("none.h", "int g_x;\n")));
  EXPECT_FALSE(catalogue.AddFile(dir.Write("binary.h", "\x7f" "ELF\0\0class CX\n"s)));
  std::string large = "class CHuge\n{\n";
  large.resize(2 * 1024 * 1024, ' ');
  EXPECT_THROW(catalogue.AddFile(dir.Write("large.h", large)), CFileTooLarge);
  EXPECT_EQ(catalogue.Size(), 1u);
  EXPECT_EQ(catalogue.LastClass(), "CA");
}

TEST(CatalogueTest, DeleteKeepsTheRowOrFallsBackToTheRefill) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("abc.h", "class CB\n{\n};\nclass CA\n{\n};\nclass CC\n{\n};\n")));
  CClassList list = catalogue.SortedClassList();
  ASSERT_EQ(SelectedName(catalogue, list), "CB");

  // Deleting row 0 (CA) selects the class that moves up into row 0.
  std::optional<CClassList> after = catalogue.DeleteClass(list, 0);
  ASSERT_TRUE(after);
  EXPECT_EQ(ShownNames(catalogue, *after), (std::vector<std::string>{"CB", "CC"}));
  EXPECT_EQ(SelectedName(catalogue, *after), "CB");

  // Deleting the last row leaves the refill's choice: the remembered class.
  after = catalogue.DeleteClass(*after, 1);
  ASSERT_TRUE(after);
  EXPECT_EQ(SelectedName(catalogue, *after), "CB");

  // The remembered class itself gone: the first row is selected.
  after = catalogue.DeleteClass(*after, 0);
  ASSERT_TRUE(after);
  EXPECT_EQ(ShownNames(catalogue, *after), std::vector<std::string>{});
  EXPECT_FALSE(after->selectedRow);
  EXPECT_FALSE(catalogue.DeleteClass(*after, 0)) << "nothing to delete";
}

TEST(CatalogueTest, FirstRowIsSelectedWhenTheLastClassIsGone) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class Cb\n{\n};\nclass CA\n{\n};\nclass cc\n{\n};\n")));
  catalogue.Delete(0);
  const CClassList list = catalogue.SortedClassList();
  EXPECT_EQ(SelectedName(catalogue, list), "CA");
  EXPECT_EQ(catalogue.FindClassPosition(catalogue.At(1)), std::optional<std::size_t>(1));
  CClassInfo stranger;
  EXPECT_FALSE(catalogue.FindClassPosition(stranger));
  catalogue.DeleteAll();
  EXPECT_TRUE(catalogue.IsEmpty());
  EXPECT_FALSE(catalogue.SortedClassList().selectedRow);
  EXPECT_EQ(catalogue.LastClass(), "Cb") << "Delete All keeps the remembered name";
}

}  // namespace
}  // namespace varnwick
