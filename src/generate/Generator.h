#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CClassInfo.h"

namespace varnwick {

enum class GeneratorKind {
  Serialize, Assign, Equal, Less, Greater, Store, Load,
  ModalDialog, MembersList, MembersValues, CopyAssign, CopyMembers,
};

struct GeneratorInfo {
  GeneratorKind kind;
  int commandId;               // the menu command, e.g. 32775
  std::string_view cliName;    // e.g. "serialize"
  std::string_view menuText;   // e.g. "Serialization"
};

// The twelve generators, in the order of the command table.
const std::array<GeneratorInfo, 12>& AllGenerators();
const GeneratorInfo* FindGeneratorByName(std::string_view cliName);
const GeneratorInfo* FindGeneratorByCommand(int commandId);

struct GeneratedText {
  std::string body;         // "\r\n" line ends
  std::string declaration;  // one line, or empty
};

// Answers a member's check state (0, 1 or 2) by name; FindMemberState is the usual one.
using MemberStateLookup = std::function<int(const std::string& name)>;

// Runs one generator over `members` (in member-list order). nullopt when there are no members:
// nothing is to be shown. Throws CFileTooLarge when list resolution meets an oversized header.
std::optional<GeneratedText> Generate(GeneratorKind kind, const CClassInfo& record,
                                      const std::vector<const CMemberInfo*>& members,
                                      const MemberStateLookup& state, bool checkPtrList);

}  // namespace varnwick
