#include <gtest/gtest.h>

#include "CCatalogue.h"
#include "CClassFilter.h"
#include "ClassListNames.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::SelectedName;
using test::ShownNames;
using test::TempDir;

TEST(ClassFilterTest, MatchesASubstringIgnoringAsciiCaseOnly) {
  const CClassFilter net("NeT");
  EXPECT_TRUE(net.Shows("CWizardNetworks"));
  EXPECT_TRUE(net.Shows("net"));
  EXPECT_TRUE(net.Shows("CINTERNET"));
  EXPECT_FALSE(net.Shows("CNe"));
  EXPECT_FALSE(net.Shows(""));
  EXPECT_TRUE(CClassFilter().Shows("anything"));
  EXPECT_TRUE(CClassFilter("").IsEmpty());
  EXPECT_FALSE(CClassFilter(" ").Shows("CA")) << "a blank is part of the text";
  // Bytes beyond ASCII compare exactly: "\xC9" is not the capital of "\xE9".
  EXPECT_TRUE(CClassFilter("caf\xE9").Shows("CCAF\xE9"));
  EXPECT_FALSE(CClassFilter("caf\xE9").Shows("CCAF\xC9"));
}

TEST(ClassFilterTest, SelectionRuleAppliesToTheShownRows) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class CNetView\n{\n};\nclass CApp\n{\n};\n")));
  ASSERT_TRUE(catalogue.AddFile(dir.Write("b.h", "class CNetDoc\n{\n};\nclass CNetView\n{\n};\nclass Cnet\n{\n};\n")));
  ASSERT_EQ(catalogue.LastClass(), "CNetDoc");

  const CClassList all = catalogue.SortedClassList(CClassFilter(""));
  EXPECT_EQ(all.rows, catalogue.SortedClassList().rows);
  EXPECT_EQ(SelectedName(catalogue, all), "CNetDoc");

  // The remembered class is shown: it stays selected.
  CClassList list = catalogue.SortedClassList(CClassFilter("net"));
  EXPECT_EQ(ShownNames(catalogue, list), (std::vector<std::string>{"Cnet", "CNetDoc", "CNetView", "CNetView"}));
  EXPECT_EQ(SelectedName(catalogue, list), "CNetDoc");
  EXPECT_EQ(catalogue.RecordToSelect(CClassFilter("net")), list.SelectedRecord());

  // Hidden: the first shown row instead.
  list = catalogue.SortedClassList(CClassFilter("view"));
  EXPECT_EQ(list.rows, (std::vector<std::size_t>{0, 3}));
  EXPECT_EQ(list.selectedRow, std::optional<std::size_t>(0));
  EXPECT_EQ(catalogue.RecordToSelect(CClassFilter("view")), std::optional<std::size_t>(0));

  list = catalogue.SortedClassList(CClassFilter("nothing"));
  EXPECT_TRUE(list.rows.empty());
  EXPECT_FALSE(list.selectedRow);
  EXPECT_FALSE(catalogue.RecordToSelect(CClassFilter("nothing")));
}

TEST(ClassFilterTest, DeleteInAFilteredListKeepsTheFilter) {
  TempDir dir;
  CCatalogue catalogue;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class CDocA\n{\n};\nclass CView\n{\n};\nclass CDocB\n{\n};\nclass CDocC\n{\n};\n")));
  const CClassFilter doc("doc");
  const CClassList list = catalogue.SortedClassList(doc);
  ASSERT_EQ(ShownNames(catalogue, list), (std::vector<std::string>{"CDocA", "CDocB", "CDocC"}));
  std::optional<CClassList> after = catalogue.DeleteClass(list, 1, doc);
  ASSERT_TRUE(after);
  EXPECT_EQ(ShownNames(catalogue, *after), (std::vector<std::string>{"CDocA", "CDocC"}));
  EXPECT_EQ(SelectedName(catalogue, *after), "CDocC");
  EXPECT_EQ(catalogue.Size(), 3u) << "the hidden class stays";
}

}  // namespace
}  // namespace varnwick
