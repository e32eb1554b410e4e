#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "CatalogueJson.h"
#include "TempDir.h"

namespace varnwick {
namespace {

using test::TempDir;

TEST(CatalogueJsonTest, DumpsClassesMembersOrderAndSelection) {
  TempDir dir;
  CCatalogue catalogue;
  const std::string path = dir.Write("a.h",
                                     "class CZoo : public CDocument\n{\n//{{AFX_DATA(CZoo)\nCString m_strName;\n"
                                     "//}}AFX_DATA\nstatic const int s_n;\nCWnd* m_pWnd;\n};\nclass CAnt\n{\n};\n");
  ASSERT_TRUE(catalogue.AddFile(path));
  const nlohmann::json expected = {
      {"selected", 0},
      {"classes",
       {{{"name", "CZoo"},
         {"base", " public CDocument"},
         {"file", path},
         {"members",
          {{{"name", "m_strName"}, {"type", "CString"}, {"pointer", false}, {"static", false}, {"const", false},
            {"dialog", true}, {"check_state", 1}, {"shown_state", 1}, {"icon", 1}, {"line", "CString m_strName"}},
           {{"name", "s_n"}, {"type", "int"}, {"pointer", false}, {"static", true}, {"const", true},
            {"dialog", false}, {"check_state", 1}, {"shown_state", 1}, {"icon", 5}, {"line", "int s_n"}},
           {{"name", "m_pWnd"}, {"type", "CWnd"}, {"pointer", true}, {"static", false}, {"const", false},
            {"dialog", false}, {"check_state", 0}, {"shown_state", 0}, {"icon", 2}, {"line", "CWnd* m_pWnd"}}}},
         {"member_order", {0, 2, 1}}},
        {{"name", "CAnt"}, {"base", ""}, {"file", path}, {"members", nlohmann::json::array()},
         {"member_order", nlohmann::json::array()}}}},
  };
  EXPECT_EQ(CatalogueToJson(catalogue), expected);
}

TEST(CatalogueJsonTest, EmptyCatalogueSelectsNothingAndBadBytesSurvive) {
  CCatalogue catalogue;
  EXPECT_EQ(CatalogueToJson(catalogue).dump(), R"({"classes":[],"selected":null})");
  TempDir dir;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("b.h", "class CCaf\xE9\n{\n};\n")));
  EXPECT_EQ(CatalogueToJson(catalogue)["classes"][0]["name"], "CCaf\xC3\xA9");
}

TEST(CatalogueJsonTest, WrittenPieceByPieceAsTheDocumentDumpsIt) {
  CCatalogue catalogue;
  const auto written = [&catalogue] {
    std::ostringstream out;
    WriteCatalogueJson(catalogue, out);
    return out.str();
  };
  EXPECT_EQ(written(), CatalogueToJson(catalogue).dump(2));
  TempDir dir;
  ASSERT_TRUE(catalogue.AddFile(dir.Write("a.h", "class CZoo : public CDocument\n{\n//{{AFX_DATA(CZoo)\n"
                                                 "CString m_str\x93Name\x94;\n//}}AFX_DATA\nstatic const int s_n;\n"
                                                 "CWnd* m_pWnd;\nCList<\"a\\b\", int> m_list;\n};\nclass CAnt\n{\n};\n")));
  ASSERT_TRUE(catalogue.AddFile(dir.Write("b.h", "class CEmpty\n{\n};\n")));
  EXPECT_EQ(written(), CatalogueToJson(catalogue).dump(2));
}

}  // namespace
}  // namespace varnwick
