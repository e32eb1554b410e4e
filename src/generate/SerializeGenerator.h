#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// The Serialize(CArchive&) function: a storing pass and a loading pass.
const GeneratorDescription& SerializeGenerator();

}  // namespace varnwick
