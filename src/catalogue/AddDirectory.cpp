#include "AddDirectory.h"

#include "CUNCPath.h"

namespace varnwick {

std::string HeaderPattern(std::string_view folder) {
  std::string pattern(folder);
  if (pattern.empty() || (pattern.back() != '/' && pattern.back() != '\\')) pattern += kNativeSeparator;
  pattern += "*.h";
  return pattern;
}

void AddDirectory(CCatalogue& catalogue, std::string_view folder, CReadListener* listener,
                  CFolderDepth depth) {
  const std::unique_ptr<CHeaderWalk> walk = catalogue.WalkFolder(folder, depth);
  CWalkStep step;
  while (walk->Next(step)) {
    const bool found = catalogue.AddFile(step.path, step.knowledge);
    if (listener == nullptr) continue;
    listener->OnFileRead(step.path, found);
    if (listener->IsCancelled()) break;
  }
}

}  // namespace varnwick
