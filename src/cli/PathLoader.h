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
// `messages`, one line each, and never end the run: a header over the size limit ends only its own
// path's load. Reading ahead changes nothing but the time taken.
void LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive = false, CLoadThreads threads = CLoadThreads::kReadAhead);

// Whether `path` names a folder (with or without a separator at its end).
bool IsFolder(const std::string& path);
// The folder depth of a load with or without `recursive`.
inline CFolderDepth DepthOf(bool recursive) {
  return recursive ? CFolderDepth::kWithSubfolders : CFolderDepth::kFolderOnly;
}

}  // namespace varnwick
