#include <gtest/gtest.h>

#include <set>

#include "Generator.h"
#include "MessageText.h"
#include "ShellCommands.h"

namespace varnwick {
namespace {

// A menu written out one entry a line, submenus indented, so that a whole menu reads at a glance.
std::string Outline(std::span<const CMenuItem> items, const std::string& indent = "") {
  std::string text;
  for (const CMenuItem& item : items) {
    text += indent + (item.IsSeparator() ? "-" : std::string(item.text));
    if (item.inactive) text += " (inactive)";
    if (!item.shortcut.empty()) text += " [" + std::string(item.shortcut) + "]";
    text += "\n";
    if (item.IsSubmenu()) text += Outline(item.items, indent + "  ");
  }
  return text;
}

void CollectIds(std::span<const CMenuItem> items, std::multiset<int>& ids) {
  for (const CMenuItem& item : items) {
    if (item.IsSubmenu()) CollectIds(item.items, ids);
    else if (!item.IsSeparator()) ids.insert(item.commandId);
  }
}

const std::string kGenerateOutline =
    "Serialization\nModal Dilaog\nOperator\n  =\n  ==\n  <\n  >\n  <<\n  >>\n"
    "Members\n  Members List\n  Members List = value\n"
    "Copy Constructor\n  Use operator =\n  Use Copy Constructors\n";

TEST(ShellTablesTest, MenusReadExactlyAsDesigned) {
  EXPECT_EQ(Outline(MenuBarItems()),
            "Class\n  Add [Ctrl+O]\n  Add Directory [Ctrl+Shift+O]\n  Add Directory Tree\n  Delete\n  Delete All\n"
            "  -\n  Reload [F5]\nGenerate\n" +
                Outline(ContextMenuItems().subspan(7), "  ") + "Settings\n  Check CTypedPtrList\nAbout\n  About\n");
  EXPECT_EQ(Outline(ContextMenuItems()),
            "Add Class\nAdd Directory\nAdd Directory Tree\nDelete Class\nDelete All\n-\n"
            "---- Generate ---- (inactive)\n" + kGenerateOutline);
}

TEST(ShellTablesTest, EveryGeneratorIsOfferedOnceInEachMenuWithItsOwnId) {
  std::multiset<int> bar;
  std::multiset<int> context;
  CollectIds(MenuBarItems(), bar);
  CollectIds(ContextMenuItems(), context);
  for (const GeneratorInfo& info : AllGenerators()) {
    EXPECT_EQ(bar.count(info.commandId), 1u) << info.menuText;
    EXPECT_EQ(context.count(info.commandId), 1u) << info.menuText;
  }
  EXPECT_EQ(context.count(kCommandCheckPtrList) + context.count(kCommandAbout), 0u);
}

TEST(ShellTablesTest, TheSizeLimitIsWordedFromTheLimit) {
  EXPECT_EQ(WithThousands(0), "0");
  EXPECT_EQ(WithThousands(999), "999");
  EXPECT_EQ(WithThousands(1000), "1,000");
  EXPECT_EQ(WithThousands(1048575), "1,048,575");
  EXPECT_EQ(FileTooLargeReason(), "larger than 1,048,575 bytes");
  EXPECT_EQ(FileTooLargeMessage("C:\\a b.h"), "The file C:\\a b.h is larger than 1,048,575 bytes and cannot be read.");
}

}  // namespace
}  // namespace varnwick
