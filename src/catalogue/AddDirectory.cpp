#include "AddDirectory.h"

#include "CUNCIterator.h"
#include "CUNCPath.h"

namespace varnwick {

std::string HeaderPattern(std::string_view folder) {
  std::string pattern(folder);
  if (pattern.empty() || (pattern.back() != '/' && pattern.back() != '\\')) pattern += kNativeSeparator;
  pattern += "*.h";
  return pattern;
}

void AddDirectory(CCatalogue& catalogue, std::string_view folder, CAddDirectoryListener* listener,
                  CFolderDepth depth) {
  CUNCIterator walk(HeaderPattern(folder), kNativeSeparator == '/');
  walk.Start(true, false, depth == CFolderDepth::kWithSubfolders, false);
  while (!walk.Current().IsEmpty()) {
    const std::string path = walk.Current().GetFull();
    walk.Advance();
    const bool found = catalogue.AddFile(path);
    if (listener == nullptr) continue;
    listener->OnFileRead(path, found);
    if (listener->IsCancelled()) break;
  }
  walk.End();
}

}  // namespace varnwick
