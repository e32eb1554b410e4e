#pragma once

#include "GenerationFrame.h"

namespace varnwick {

// Fragments to paste elsewhere: running the class as a modal dialog, and two member lists.
const GeneratorDescription& ModalDialogGenerator();
const GeneratorDescription& MembersListGenerator();
const GeneratorDescription& MembersValuesGenerator();

}  // namespace varnwick
