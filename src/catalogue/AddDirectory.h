#pragma once

#include <string>
#include <string_view>

#include "CCatalogue.h"
#include "CReadListener.h"

namespace varnwick {

// The search pattern for a folder's headers: the folder, the platform's separator unless it ends
// with either one, "*.h".
std::string HeaderPattern(std::string_view folder);

// Reads every "*.h" file of `folder`, in name order; with subfolders, a folder's own headers come
// before its subfolders, which are read depth first in byte order of their names. A header
// without a class is passed over. Throws CFileTooLarge at the first header over the size limit;
// the classes read before it stay.
void AddDirectory(CCatalogue& catalogue, std::string_view folder, CReadListener* listener,
                  CFolderDepth depth = CFolderDepth::kFolderOnly);

}  // namespace varnwick
