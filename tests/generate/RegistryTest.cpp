#include <gtest/gtest.h>

#include <set>

#include "Generator.h"

namespace varnwick {
namespace {

TEST(GeneratorRegistry, NamesAndCommandsFindTheSameGenerator) {
  std::set<int> ids;
  std::set<std::string_view> names;
  for (const GeneratorInfo& info : AllGenerators()) {
    EXPECT_EQ(FindGeneratorByName(info.cliName), &info);
    EXPECT_EQ(FindGeneratorByCommand(info.commandId), &info);
    ids.insert(info.commandId);
    names.insert(info.cliName);
  }
  EXPECT_EQ(ids.size(), 12u);
  EXPECT_EQ(names.size(), 12u);

  const GeneratorInfo* dialog = FindGeneratorByCommand(32786);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->kind, GeneratorKind::ModalDialog);
  EXPECT_EQ(dialog->menuText, "Modal Dilaog");
  EXPECT_EQ(FindGeneratorByName("gt")->commandId, 32776);
  EXPECT_EQ(FindGeneratorByName("Serialize"), nullptr);  // names are case-sensitive
  EXPECT_EQ(FindGeneratorByCommand(32777), nullptr);
}

}  // namespace
}  // namespace varnwick
