#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// The member-wise operator = of the class.
const GeneratorDescription& AssignGenerator();

// The member lines of an assignment from `src`, shared with the copy constructor built on it:
// a deep copy loop for a resolved pointer list, else one assignment, ended by the given
// "Check This" note when the list holds no pointers (the two generators differ only there).
MemberWriter AssignmentWriter(std::string_view checkThisPointer, std::string_view checkThisPlain);

}  // namespace varnwick
