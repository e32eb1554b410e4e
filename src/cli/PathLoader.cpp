#include "PathLoader.h"

#include <optional>

#include "AddDirectory.h"
#include "CCatalogueReadAhead.h"
#include "CPathWalk.h"
#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "HeaderFile.h"
#include "MessageText.h"
#include "UnreadableReason.h"

namespace varnwick {

// An empty path names nothing (with a separator added it would name the root folder).
bool ExistsAsFolder(const std::string& path) {
  if (path.empty()) return false;
  std::string probe = path;
  if (probe.back() != '/' && probe.back() != '\\') probe += '/';
  bool exists = false;
  CUNCStandardActor::Instance().Exists(CUNCPath(probe, true), &exists);
  return exists;
}

namespace {

void ReportUnreadable(std::ostream& messages, const std::string& path, const std::string& reason) {
  messages << "varnwick-cli: " << path << ": " << reason << '\n';
}

// A header of a folder that yielded nothing is passed over, as Add Directory does; one that could
// not even be read is named.
class CFolderReport : public CReadListener {
 public:
  CFolderReport(const CCatalogue& catalogue, std::ostream& messages) : m_catalogue(catalogue), m_messages(messages) {}
  void OnFileRead(const std::string& path, bool foundClasses) override {
    // A header whose text was read holds no class: nothing to report, and no need to open it again.
    if (foundClasses || m_catalogue.LastFileHadText()) return;
    if (const std::optional<std::string> reason = UnreadableReason(path)) ReportUnreadable(m_messages, path, *reason);
  }

 private:
  const CCatalogue& m_catalogue;
  std::ostream& m_messages;
};

// False when the path could not be read.
bool LoadPath(CCatalogue& catalogue, const std::string& path, std::ostream& messages, bool recursive) {
  const CFolderCheck folder = CheckFolder(path);
  if (folder.isFolder) {
    if (folder.unreadable) {
      ReportUnreadable(messages, path, *folder.unreadable);
      return false;
    }
    CFolderReport report(catalogue, messages);
    AddDirectory(catalogue, path, &report, DepthOf(recursive));
    return true;
  }
  if (catalogue.AddFile(path)) return true;
  // Why it failed is asked afterwards: a header that was read is never opened twice.
  if (const std::optional<std::string> reason = UnreadableReason(path)) {
    ReportUnreadable(messages, path, *reason);
    return false;
  }
  messages << NoClassInformationIn(path) << '\n';
  return true;
}

}  // namespace

bool LoadPaths(CCatalogue& catalogue, const std::vector<std::string>& paths, std::ostream& messages,
               bool recursive, CLoadThreads threads) {
  // Every path named is read as named, a header named twice twice, as the records a sink takes.
  catalogue.SetRepeatedHeader(CRepeatedHeader::kAddAgain);
  // The headers are read ahead on a second thread; the load below runs as it would alone.
  std::optional<CCatalogueReadAhead> readAhead;
  if (threads == CLoadThreads::kReadAhead) {
    readAhead.emplace(catalogue, std::make_unique<CPathWalk>(paths, DepthOf(recursive)));
  }
  bool allRead = true;
  for (const std::string& path : paths) {
    try {
      allRead = LoadPath(catalogue, path, messages, recursive) && allRead;
    } catch (const CFileTooLarge& tooLarge) {
      ReportUnreadable(messages, tooLarge.Path(), FileTooLargeReason());
      allRead = false;
    }
  }
  return allRead;
}

}  // namespace varnwick
