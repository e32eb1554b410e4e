#include "PathLoader.h"

#include "AddDirectory.h"
#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "HeaderFile.h"

namespace varnwick {
namespace {

bool IsFolder(const std::string& path) {
  std::string probe = path;
  if (probe.empty() || (probe.back() != '/' && probe.back() != '\\')) probe += '/';
  bool exists = false;
  CUNCStandardActor::Instance().Exists(CUNCPath(probe, true), &exists);
  return exists;
}

void LoadPath(CCatalogue& catalogue, const std::string& path, std::ostream& messages, bool recursive) {
  if (IsFolder(path)) {
    AddDirectory(catalogue, path, nullptr, recursive ? CFolderDepth::kWithSubfolders : CFolderDepth::kFolderOnly);
  } else if (!catalogue.AddFile(path)) {
    messages << "No class information in " << path << '\n';
  }
}

}  // namespace

void LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive) {
  for (const std::string& path : paths) {
    try {
      LoadPath(catalogue, path, messages, recursive);
    } catch (const CFileTooLarge& tooLarge) {
      messages << tooLarge.what() << '\n';
    }
  }
}

}  // namespace varnwick
