#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "CUNCPath.h"
#include "CUNCStandardActor.h"

namespace varnwick {

// One open subdirectory search of a recursive walk.
struct CUNCSearchFrame {
  CUNCPath path;
  CUNCFindHandle handle = nullptr;
  CUNCFindData data;
};

// Walks the entries that match a pattern such as "/src/*.h", optionally descending into
// subdirectories. All file-system calls go through the current path's actor.
class CUNCIterator {
 public:
  explicit CUNCIterator(std::string_view pattern, bool bForwardSlash = false);
  explicit CUNCIterator(const CUNCPath& pattern);
  CUNCIterator(const CUNCIterator&) = delete;
  CUNCIterator& operator=(const CUNCIterator&) = delete;
  ~CUNCIterator();

  bool Start(bool bIncludeFiles, bool bIncludeDirectories, bool bRecursive, bool bDirectoriesLast);
  // Moves to the next match and answers the position it left.
  CUNCPath Advance();
  // Advance without the copy of the position left: a walk over thousands of files has no use for it.
  void MoveNext();
  CUNCPath& Current() { return m_current; }
  // The entry the walk stands on, as the search listed it (valid while Current() is not empty).
  const CUNCFindData& CurrentEntry() const { return m_findData; }
  bool End();

 private:
  bool FindNext();
  void StandOnMatch();
  bool Accept(const CUNCFindData& data) const;
  std::string NextDirectory();
  CUNCSearchFrame* PushFrame(const CUNCPath& parent, const std::string& subdirectory);
  void PopFrame();

  CUNCPath m_current;
  std::vector<std::unique_ptr<CUNCSearchFrame>> m_stack;  // newest last
  CUNCPath m_spec;
  // The matches of one level share everything but the name: spec's text split once, in
  // current's separator mode. Rebuilt whenever spec changes.
  CUNCPath m_matchBase;
  bool m_matchBaseValid = false;
  CUNCFindHandle m_handle = nullptr;
  CUNCFindData m_findData;
  bool m_bIncludeFiles = false;
  bool m_bIncludeDirectories = false;
  bool m_bRecursive = false;
  bool m_bDirectoriesLast = false;
};

}  // namespace varnwick
