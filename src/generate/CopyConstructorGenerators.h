#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// The copy constructor, built on assignments or on the members' own copy constructors.
const GeneratorDescription& CopyAssignGenerator();
const GeneratorDescription& CopyMembersGenerator();

}  // namespace varnwick
