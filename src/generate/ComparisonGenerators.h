#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// The global operators ==, < and >: one algorithm, told apart by their tokens.
const GeneratorDescription& EqualGenerator();
const GeneratorDescription& LessGenerator();
const GeneratorDescription& GreaterGenerator();

}  // namespace varnwick
