#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CCatalogue.h"

namespace varnwick {

// Loads each path as one command of the desktop program would: a folder as Add Directory (or Add
// Directory Tree when `recursive`), anything else as Add Class. Problems are reported on
// `messages`, one line each, and never end the run: a header over the size limit ends only its own
// path's load.
void LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive = false);

}  // namespace varnwick
