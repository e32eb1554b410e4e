#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// The global archive operators << and >> of the class.
const GeneratorDescription& StoreGenerator();
const GeneratorDescription& LoadGenerator();

}  // namespace varnwick
