#include "AddDirectory.h"

#include "CFolderWalk.h"
#include "CUNCPath.h"

namespace varnwick {

std::string HeaderPattern(std::string_view folder) {
  std::string pattern(folder);
  if (pattern.empty() || (pattern.back() != '/' && pattern.back() != '\\')) pattern += kNativeSeparator;
  pattern += "*.h";
  return pattern;
}

void AddDirectory(CCatalogue& catalogue, std::string_view folder, CAddDirectoryListener* listener) {
  CFolderWalk walk(folder);
  std::string path;
  CPathKnowledge knowledge = CPathKnowledge::kUnknown;
  while (walk.Next(path, knowledge)) {
    const bool found = catalogue.AddFile(path, knowledge);
    if (listener != nullptr) listener->OnFileRead(path, found);
  }
}

}  // namespace varnwick
