#include "Generator.h"

#include <algorithm>

#include "ArchiveGenerators.h"
#include "AssignGenerator.h"
#include "ComparisonGenerators.h"
#include "CopyConstructorGenerators.h"
#include "DialogAndListGenerators.h"
#include "SerializeGenerator.h"

namespace varnwick {

const std::array<GeneratorInfo, 12>& AllGenerators() {
  static constexpr std::array<GeneratorInfo, 12> kGenerators{{
      {GeneratorKind::Serialize, 32775, "serialize", "Serialization"},
      {GeneratorKind::Assign, 32782, "assign", "="},
      {GeneratorKind::Equal, 32781, "eq", "=="},
      {GeneratorKind::Less, 32784, "lt", "<"},
      {GeneratorKind::Greater, 32776, "gt", ">"},
      {GeneratorKind::Store, 32792, "store", "<<"},
      {GeneratorKind::Load, 32793, "load", ">>"},
      // "Dilaog" is misspelt on purpose: it is this command's menu text as users have always seen it.
      {GeneratorKind::ModalDialog, 32786, "dialog", "Modal Dilaog"},
      {GeneratorKind::MembersList, 32787, "members-list", "Members List"},
      {GeneratorKind::MembersValues, 32789, "members-values", "Members List = value"},
      {GeneratorKind::CopyAssign, 32794, "copy-assign", "Use operator ="},
      {GeneratorKind::CopyMembers, 32795, "copy-members", "Use Copy Constructors"},
  }};
  return kGenerators;
}

const GeneratorInfo* FindGeneratorByName(std::string_view cliName) {
  const auto& all = AllGenerators();
  auto found = std::find_if(all.begin(), all.end(),
                            [cliName](const GeneratorInfo& info) { return info.cliName == cliName; });
  return found == all.end() ? nullptr : &*found;
}

const GeneratorInfo* FindGeneratorByCommand(int commandId) {
  const auto& all = AllGenerators();
  auto found = std::find_if(all.begin(), all.end(), [commandId](const GeneratorInfo& info) {
    return info.commandId == commandId;
  });
  return found == all.end() ? nullptr : &*found;
}

namespace {

const GeneratorDescription& DescriptionOf(GeneratorKind kind) {
  switch (kind) {
    case GeneratorKind::Serialize: return SerializeGenerator();
    case GeneratorKind::Assign: return AssignGenerator();
    case GeneratorKind::Equal: return EqualGenerator();
    case GeneratorKind::Less: return LessGenerator();
    case GeneratorKind::Greater: return GreaterGenerator();
    case GeneratorKind::Store: return StoreGenerator();
    case GeneratorKind::Load: return LoadGenerator();
    case GeneratorKind::ModalDialog: return ModalDialogGenerator();
    case GeneratorKind::MembersList: return MembersListGenerator();
    case GeneratorKind::MembersValues: return MembersValuesGenerator();
    case GeneratorKind::CopyAssign: return CopyAssignGenerator();
    case GeneratorKind::CopyMembers: return CopyMembersGenerator();
  }
  return SerializeGenerator();  // unreachable: every kind is listed above
}

}  // namespace

std::optional<GeneratedText> Generate(GeneratorKind kind, const CClassInfo& record,
                                      const std::vector<const CMemberInfo*>& members,
                                      const MemberStateLookup& state, bool checkPtrList) {
  return RunGenerator(DescriptionOf(kind), record, members, state, checkPtrList);
}

}  // namespace varnwick
