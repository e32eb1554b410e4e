#include "PathLoader.h"

#include <optional>

#include "AddDirectory.h"
#include "CCatalogueReadAhead.h"
#include "CPathWalk.h"
#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "HeaderFile.h"

namespace varnwick {

bool IsFolder(const std::string& path) {
  std::string probe = path;
  if (probe.empty() || (probe.back() != '/' && probe.back() != '\\')) probe += '/';
  bool exists = false;
  CUNCStandardActor::Instance().Exists(CUNCPath(probe, true), &exists);
  return exists;
}

namespace {

void LoadPath(CCatalogue& catalogue, const std::string& path, std::ostream& messages, bool recursive) {
  if (IsFolder(path)) {
    AddDirectory(catalogue, path, nullptr, DepthOf(recursive));
  } else if (!catalogue.AddFile(path)) {
    messages << "No class information in " << path << '\n';
  }
}

}  // namespace

void LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive, CLoadThreads threads) {
  // The headers are read ahead on a second thread; the load below runs as it would alone.
  std::optional<CCatalogueReadAhead> readAhead;
  if (threads == CLoadThreads::kReadAhead) {
    readAhead.emplace(catalogue, std::make_unique<CPathWalk>(paths, DepthOf(recursive)));
  }
  for (const std::string& path : paths) {
    try {
      LoadPath(catalogue, path, messages, recursive);
    } catch (const CFileTooLarge& tooLarge) {
      messages << tooLarge.what() << '\n';
    }
  }
}

}  // namespace varnwick
