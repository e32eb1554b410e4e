#pragma once

#include <string>
#include <string_view>

#include "CCatalogue.h"

namespace varnwick {

// Told after each header of a folder has been read, so that a window can show the list growing.
class CAddDirectoryListener {
 public:
  virtual ~CAddDirectoryListener() = default;
  virtual void OnFileRead(const std::string& path, bool foundClasses) = 0;
};

// The search pattern for a folder's headers: the folder, the platform's separator unless it ends
// with either one, "*.h".
std::string HeaderPattern(std::string_view folder);

// Reads every "*.h" file directly inside `folder` (not its subfolders), in name order. A header
// without a class is passed over. Throws CFileTooLarge at the first header over the size limit;
// the classes read before it stay.
void AddDirectory(CCatalogue& catalogue, std::string_view folder, CAddDirectoryListener* listener);

}  // namespace varnwick
