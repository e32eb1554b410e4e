#include "PathLoader.h"

#include <optional>
#include <thread>

#include "AddDirectory.h"
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

// Reads through `source` while it lives.
class CSourceScope {
 public:
  CSourceScope(CCatalogue& catalogue, CHeaderSource* source) : m_catalogue(catalogue) { catalogue.SetSource(source); }
  CSourceScope(const CSourceScope&) = delete;
  CSourceScope& operator=(const CSourceScope&) = delete;
  ~CSourceScope() { m_catalogue.SetSource(nullptr); }

 private:
  CCatalogue& m_catalogue;
};

void LoadPath(CCatalogue& catalogue, const std::string& path, std::ostream& messages) {
  if (IsFolder(path)) {
    AddDirectory(catalogue, path, nullptr);
  } else if (!catalogue.AddFile(path)) {
    messages << "No class information in " << path << '\n';
  }
}

}  // namespace

void LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               CLoadThreads threads) {
  // The headers are read ahead on a second thread; the load below runs as it would alone.
  std::optional<CReadAhead> readAhead;
  if (threads == CLoadThreads::kReadAhead && std::thread::hardware_concurrency() != 1) {
    readAhead.emplace(std::make_unique<CPathWalk>(paths));
  }
  const CSourceScope source(catalogue, readAhead ? &*readAhead : nullptr);
  for (const std::string& path : paths) {
    try {
      LoadPath(catalogue, path, messages);
    } catch (const CFileTooLarge& tooLarge) {
      messages << tooLarge.what() << '\n';
    }
  }
}

}  // namespace varnwick
