#include "CMemoryFolder.h"

#include <algorithm>

#include "CHeaderReader.h"
#include "HeaderFile.h"
#include "WildcardMatch.h"

namespace varnwick::fuzz {
namespace {

class CListedHeaders : public CHeaderWalk {
 public:
  explicit CListedHeaders(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
  bool Next(CWalkStep& step) override {
    if (m_next == m_paths.size()) return false;
    step = {CWalkStep::kHeader, m_paths[m_next++], CPathKnowledge::kListedFileEntry};
    return true;
  }

 private:
  std::vector<std::string> m_paths;
  std::size_t m_next = 0;
};

}  // namespace

void CMemoryFolder::Fill(std::vector<File> files) {
  std::sort(files.begin(), files.end(), [](const File& a, const File& b) { return a.first < b.first; });
  m_files = std::move(files);
}

std::vector<std::unique_ptr<CClassInfo>> CMemoryFolder::Read(const std::string& path, CPathKnowledge) {
  m_hadText = false;
  const auto file = std::find_if(m_files.begin(), m_files.end(), [&](const File& f) { return PathOf(f.first) == path; });
  if (file == m_files.end()) return {};
  if (file->second.size() > kMaxHeaderBytes) throw CFileTooLarge(path);
  m_hadText = true;
  return CHeaderReader::ClassesOfText(HeaderText(file->second), path, CMemberDetail::kRecords);
}

std::unique_ptr<CHeaderWalk> CMemoryFolder::WalkFolder(std::string_view folder, CFolderDepth depth) {
  std::vector<std::string> headers;
  // The folder itself or one of its subfolders: the names below it start with this prefix.
  std::string prefix;
  if (folder != m_path) {
    if (!folder.starts_with(m_path + '/')) return std::make_unique<CListedHeaders>(std::move(headers));
    prefix = std::string(folder.substr(m_path.size() + 1)) + '/';
  }
  for (const File& file : m_files) {
    if (!file.first.starts_with(prefix)) continue;
    const std::string_view rest = std::string_view(file.first).substr(prefix.size());
    const std::size_t slash = rest.rfind('/');
    if (slash != std::string_view::npos && depth == CFolderDepth::kFolderOnly) continue;
    if (WildcardMatch("*.h", rest.substr(slash == std::string_view::npos ? 0 : slash + 1)))
      headers.push_back(PathOf(file.first));
  }
  return std::make_unique<CListedHeaders>(std::move(headers));
}

}  // namespace varnwick::fuzz
