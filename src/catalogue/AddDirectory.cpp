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

void AddDirectory(CCatalogue& catalogue, std::string_view folder, CAddDirectoryListener* listener) {
  CUNCIterator walk(HeaderPattern(folder), kNativeSeparator == '/');
  walk.Start(true, false, false, false);
  while (!walk.Current().IsEmpty()) {
    const std::string path = walk.Current().GetFull();
    const CPathKnowledge knowledge =
        walk.CurrentEntry().isRegularFile ? CPathKnowledge::kListedFileEntry : CPathKnowledge::kUnknown;
    walk.Advance();
    const bool found = catalogue.AddFile(path, knowledge);
    if (listener != nullptr) listener->OnFileRead(path, found);
  }
  walk.End();
}

}  // namespace varnwick
