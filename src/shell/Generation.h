#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "Generator.h"
#include "MemberStates.h"

namespace varnwick {

// What one generate command gives: the text to show, or the header over the size limit that ended
// it (a list member's element class is looked up in headers), or neither when the class has no
// member to write about.
struct CGeneration {
  std::optional<GeneratedText> text;
  std::optional<std::string> tooLarge;
};

// Runs a generator over a class's members in member-list order, each in the state the grid's
// `rows` give it (1 for a name no row shows).
CGeneration RunGenerator(GeneratorKind kind, const CClassInfo& record, const std::vector<const CMemberInfo*>& listOrder,
                         const std::vector<CMemberRow>& rows, bool checkPtrList);

}  // namespace varnwick
