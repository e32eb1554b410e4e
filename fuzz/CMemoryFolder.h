// A folder of headers held in memory: the catalogue lists and reads it through its header source
// as it would a folder on disk, so that a fuzz input costs no file written, listed and read back.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CHeaderSource.h"

namespace varnwick::fuzz {

class CMemoryFolder : public CHeaderSource {
 public:
  using File = std::pair<std::string, std::string_view>;  // name, bytes

  explicit CMemoryFolder(std::string path) : m_path(std::move(path)) {}

  const std::string& Path() const { return m_path; }
  std::string PathOf(std::string_view name) const { return m_path + '/' + std::string(name); }
  // Replaces the folder's files; the bytes are viewed, not copied, and must outlive their use.
  void Fill(std::vector<File> files);

  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) override;
  bool LastReadHadText() const override { return m_hadText; }
  // The "*.h" files of the folder or one of its subfolders (a name "sub/x.h" stands in subfolder
  // "sub"), in name order, with those of the subfolders when `depth` asks for them.
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth depth) override;

 private:
  std::string m_path;
  std::vector<File> m_files;  // in name order
  bool m_hadText = false;
};

}  // namespace varnwick::fuzz
