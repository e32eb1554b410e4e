#pragma once

#include <string>
#include <vector>

#include "CUNCStandardActor.h"

namespace varnwick {

// The platform's half of a directory search: every entry that matches the last level of
// `pattern` (wildcards "*" and "?", without regard to case), in the platform's order. A pattern
// that matches nothing is a failure, as a search of the system answers it.
UNCResult FindMatches(const std::string& pattern, std::vector<CUNCFindData>* matches);

}  // namespace varnwick
