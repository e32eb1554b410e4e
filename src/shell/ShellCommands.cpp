#include "ShellCommands.h"

#include <array>

#include "Generator.h"

namespace varnwick {
namespace {

CMenuItem Command(std::string_view text, int commandId, std::string_view shortcut = {}) {
  return CMenuItem{text, commandId, {}, shortcut};
}

CMenuItem Submenu(std::string_view text, std::span<const CMenuItem> items) { return CMenuItem{text, 0, items, {}}; }

// A generate command, worded as its generator's menu text.
CMenuItem Generator(GeneratorKind kind) {
  for (const GeneratorInfo& info : AllGenerators())
    if (info.kind == kind) return Command(info.menuText, info.commandId);
  return {};
}

// The generate commands as both menus group them.
std::span<const CMenuItem> GenerateItems() {
  static const std::array<CMenuItem, 6> operators = {
      Generator(GeneratorKind::Assign), Generator(GeneratorKind::Equal), Generator(GeneratorKind::Less),
      Generator(GeneratorKind::Greater), Generator(GeneratorKind::Store), Generator(GeneratorKind::Load)};
  static const std::array<CMenuItem, 2> members = {Generator(GeneratorKind::MembersList),
                                                   Generator(GeneratorKind::MembersValues)};
  static const std::array<CMenuItem, 2> copies = {Generator(GeneratorKind::CopyAssign),
                                                  Generator(GeneratorKind::CopyMembers)};
  static const std::array<CMenuItem, 5> items = {
      Generator(GeneratorKind::Serialize), Generator(GeneratorKind::ModalDialog), Submenu("Operator", operators),
      Submenu("Members", members), Submenu("Copy Constructor", copies)};
  return items;
}

}  // namespace

std::span<const CMenuItem> MenuBarItems() {
  static const std::array<CMenuItem, 7> classItems = {
      Command("Add", kCommandClassAdd, "Ctrl+O"),
      Command("Add Directory", kCommandClassAddDirectory, "Ctrl+Shift+O"),
      Command("Add Directory Tree", kCommandClassAddDirectoryTree),
      Command("Delete", kCommandClassDelete),
      Command("Delete All", kCommandClassDeleteAll),
      CMenuItem{},
      Command("Reload", kCommandClassReload, "F5")};
  static const std::array<CMenuItem, 1> settings = {Command("Check CTypedPtrList", kCommandCheckPtrList)};
  static const std::array<CMenuItem, 1> about = {Command("About", kCommandAbout)};
  static const std::array<CMenuItem, 4> bar = {Submenu("Class", classItems), Submenu("Generate", GenerateItems()),
                                               Submenu("Settings", settings), Submenu("About", about)};
  return bar;
}

std::span<const CMenuItem> ContextMenuItems() {
  static const std::array<CMenuItem, 7> head = {
      Command("Add Class", kCommandClassAdd),
      Command("Add Directory", kCommandClassAddDirectory),
      Command("Add Directory Tree", kCommandClassAddDirectoryTree),
      Command("Delete Class", kCommandClassDelete),
      Command("Delete All", kCommandClassDeleteAll),
      CMenuItem{},
      CMenuItem{"---- Generate ----", kCommandGenerateHeading, {}, {}, true}};
  static const std::array<CMenuItem, 12> items = [] {
    std::array<CMenuItem, 12> all{};
    std::size_t at = 0;
    for (const CMenuItem& item : head) all[at++] = item;
    for (const CMenuItem& item : GenerateItems()) all[at++] = item;
    return all;
  }();
  return items;
}

}  // namespace varnwick
