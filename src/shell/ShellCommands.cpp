#include "ShellCommands.h"

#include <array>

#include "Generator.h"

namespace varnwick {
namespace {

// `key` is the letter of `text` that becomes the access key, at its first place; 0 for none.
std::size_t KeyAt(std::string_view text, char key) {
  return key == 0 ? CMenuItem::kNoAccessKey : text.find(key);
}

CMenuItem Command(std::string_view text, char key, int commandId, std::string_view shortcut = {}) {
  return CMenuItem{text, commandId, {}, shortcut, false, KeyAt(text, key)};
}

CMenuItem Submenu(std::string_view text, char key, std::span<const CMenuItem> items) {
  return CMenuItem{text, 0, items, {}, false, KeyAt(text, key)};
}

// A generate command, worded as its generator's menu text.
CMenuItem Generator(GeneratorKind kind, char key) {
  for (const GeneratorInfo& info : AllGenerators())
    if (info.kind == kind) return Command(info.menuText, key, info.commandId);
  return {};
}

// The generate commands as both menus group them. Their keys stay clear of the context menu's
// class commands above them. "==", "<<" and ">>" have no letter left that "=", "<" and ">" do not
// already use.
std::span<const CMenuItem> GenerateItems() {
  static const std::array<CMenuItem, 6> operators = {
      Generator(GeneratorKind::Assign, '='), Generator(GeneratorKind::Equal, 0), Generator(GeneratorKind::Less, '<'),
      Generator(GeneratorKind::Greater, '>'), Generator(GeneratorKind::Store, 0), Generator(GeneratorKind::Load, 0)};
  static const std::array<CMenuItem, 2> members = {Generator(GeneratorKind::MembersList, 'L'),
                                                   Generator(GeneratorKind::MembersValues, 'v')};
  static const std::array<CMenuItem, 2> copies = {Generator(GeneratorKind::CopyAssign, 'o'),
                                                  Generator(GeneratorKind::CopyMembers, 'C')};
  static const std::array<CMenuItem, 5> items = {
      Generator(GeneratorKind::Serialize, 'S'), Generator(GeneratorKind::ModalDialog, 'i'),
      Submenu("Operator", 'O', operators), Submenu("Members", 'M', members),
      Submenu("Copy Constructor", 'C', copies)};
  return items;
}

}  // namespace

std::span<const CMenuItem> MenuBarItems() {
  static const std::array<CMenuItem, 7> classItems = {
      Command("Add", 'A', kCommandClassAdd, "Ctrl+O"),
      Command("Add Directory", 'D', kCommandClassAddDirectory, "Ctrl+Shift+O"),
      Command("Add Directory Tree", 'T', kCommandClassAddDirectoryTree),
      Command("Delete", 'e', kCommandClassDelete),
      Command("Delete All", 'l', kCommandClassDeleteAll),
      CMenuItem{},
      Command("Reload", 'R', kCommandClassReload, "F5")};
  static const std::array<CMenuItem, 1> settings = {Command("Check CTypedPtrList", 'C', kCommandCheckPtrList)};
  static const std::array<CMenuItem, 1> about = {Command("About", 'A', kCommandAbout)};
  static const std::array<CMenuItem, 4> bar = {
      Submenu("Class", 'C', classItems), Submenu("Generate", 'G', GenerateItems()),
      Submenu("Settings", 'S', settings), Submenu("About", 'A', about)};
  return bar;
}

std::span<const CMenuItem> ContextMenuItems() {
  static const std::array<CMenuItem, 7> head = {
      Command("Add Class", 'A', kCommandClassAdd),
      Command("Add Directory", 'D', kCommandClassAddDirectory),
      Command("Add Directory Tree", 'T', kCommandClassAddDirectoryTree),
      Command("Delete Class", 'e', kCommandClassDelete),
      Command("Delete All", 'l', kCommandClassDeleteAll),
      CMenuItem{},
      CMenuItem{"---- Generate ----", kCommandGenerateHeading, {}, {}, true, CMenuItem::kNoAccessKey}};
  static const std::array<CMenuItem, 12> items = [] {
    std::array<CMenuItem, 12> all{};
    std::size_t at = 0;
    for (const CMenuItem& item : head) all[at++] = item;
    for (const CMenuItem& item : GenerateItems()) all[at++] = item;
    return all;
  }();
  return items;
}

std::string MarkedMenuText(const CMenuItem& item) {
  std::string marked;
  for (std::size_t at = 0; at < item.text.size(); ++at) {
    if (at == item.accessKey || item.text[at] == '&') marked += '&';
    marked += item.text[at];
  }
  return marked;
}

}  // namespace varnwick
