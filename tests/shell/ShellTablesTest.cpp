#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <vector>

#include "CStartupArguments.h"
#include "Generator.h"
#include "MessageText.h"
#include "ShellCommands.h"

namespace varnwick {
namespace {

// A menu written out one entry a line, "&" before each access key, submenus indented, so that a
// whole menu reads at a glance.
std::string Outline(std::span<const CMenuItem> items, const std::string& indent = "") {
  std::string text;
  for (const CMenuItem& item : items) {
    text += indent + (item.IsSeparator() ? "-" : MarkedMenuText(item));
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
    "&Serialization\nModal D&ilaog\n&Operator\n  &=\n  ==\n  &<\n  &>\n  <<\n  >>\n"
    "&Members\n  Members &List\n  Members List = &value\n"
    "&Copy Constructor\n  Use &operator =\n  Use &Copy Constructors\n";

// Every menu of a table, the table itself first.
void CollectMenus(std::span<const CMenuItem> items, std::vector<std::span<const CMenuItem>>& menus) {
  menus.push_back(items);
  for (const CMenuItem& item : items)
    if (item.IsSubmenu()) CollectMenus(item.items, menus);
}

TEST(ShellTablesTest, MenusReadExactlyAsDesigned) {
  EXPECT_EQ(Outline(MenuBarItems()),
            "&Class\n  &Add [Ctrl+O]\n  Add &Directory [Ctrl+Shift+O]\n  Add Directory &Tree\n  D&elete\n"
            "  De&lete All\n  -\n  &Reload [F5]\n&Generate\n" +
                Outline(ContextMenuItems().subspan(7), "  ") + "&Settings\n  &Check CTypedPtrList\n&About\n  &About\n");
  EXPECT_EQ(Outline(ContextMenuItems()),
            "&Add Class\nAdd &Directory\nAdd Directory &Tree\nD&elete Class\nDe&lete All\n-\n"
            "---- Generate ---- (inactive)\n" + kGenerateOutline);
}

// A key pressed in an open menu chooses one entry only: within each menu the access keys differ,
// upper and lower case being one key.
TEST(ShellTablesTest, NoTwoEntriesOfAMenuShareAnAccessKey) {
  std::vector<std::span<const CMenuItem>> menus;
  CollectMenus(MenuBarItems(), menus);
  CollectMenus(ContextMenuItems(), menus);
  for (const auto& menu : menus) {
    std::set<char> keys;
    for (const CMenuItem& item : menu) {
      if (!item.HasAccessKey()) continue;
      const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(item.text[item.accessKey])));
      EXPECT_TRUE(keys.insert(key).second) << item.text << " repeats the key " << key;
    }
  }
}

TEST(ShellTablesTest, AnAmpersandOfTheTextItselfIsDoubled) {
  const CMenuItem item{"Save & Close", 1, {}, {}, false, 7};
  EXPECT_EQ(MarkedMenuText(item), "Save && &Close");
  EXPECT_EQ(MarkedMenuText(CMenuItem{"Plain", 1, {}, {}, false, CMenuItem::kNoAccessKey}), "Plain");
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

TEST(StartupArgumentsTest, EachArgumentIsAHeaderVerbatimExceptTheOptions) {
  using Files = std::vector<std::string>;
  const CStartupArguments plain = ReadStartupArguments({"/tmp/My Project/a.h", "\"/tmp/a.h\"", "-", "-x.h"});
  EXPECT_EQ(plain.files, (Files{"/tmp/My Project/a.h", "\"/tmp/a.h\"", "-", "-x.h"}));
  EXPECT_FALSE(plain.help);
  EXPECT_FALSE(plain.unknownOption);

  const CStartupArguments options = ReadStartupArguments({"a.h", "--bogus", "-h", "--other", "--", "--help", "--"});
  EXPECT_TRUE(options.help);
  EXPECT_EQ(options.unknownOption, std::optional<std::string>("--bogus"));
  EXPECT_EQ(options.files, (Files{"a.h", "--help", "--"})) << "after \"--\" every argument is a header";
  EXPECT_EQ(UnknownOptionText("varnwick", "--bogus"), "varnwick: unknown option --bogus\nTry 'varnwick --help'.\n");
}

}  // namespace
}  // namespace varnwick
