#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CCatalogue.h"

namespace varnwick {

// Whether a load reads the next headers on a second thread while it adds the ones before.
enum class CLoadThreads { kReadAhead, kOne };

// Loads each path as one command of the desktop program would: a folder as Add Directory (or Add
// Directory Tree when `recursive`), anything else as Add Class. Problems are reported on
// `messages`, one line each, and never end the run. A path that does not exist or cannot be read
// gives "varnwick-cli: PATH: REASON" and makes the answer false; so does a header over the size
// limit, which ends only its own path's load (for a folder, at that header). A header without a
// class gives "No class information in PATH" and a folder's header that cannot be read is
// reported: neither makes the answer false. Reading ahead changes nothing but the time taken.
// True when every path was read.
bool LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive = false, CLoadThreads threads = CLoadThreads::kReadAhead);

// Whether a folder exists at `path` (with or without a separator at its end), by an existence
// test alone; CheckFolder also tells whether it can be listed.
bool ExistsAsFolder(const std::string& path);
// The folder depth of a load with or without `recursive`.
inline CFolderDepth DepthOf(bool recursive) {
  return recursive ? CFolderDepth::kWithSubfolders : CFolderDepth::kFolderOnly;
}

}  // namespace varnwick
