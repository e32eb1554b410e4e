#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CUNCPath.h"
#include "CUNCStandardActor.h"

namespace varnwick {

// One open subdirectory search of a recursive walk. When the walk lists each folder once, the
// frame holds the folder's whole listing instead of a search handle.
struct CUNCSearchFrame {
  CUNCPath path;
  CUNCFindHandle handle = nullptr;
  CUNCFindData data;
  bool listed = false;
  UNCResult listResult = kUNCOk;
  std::vector<CUNCFindData> entries;
  std::size_t nextEntry = 0;  // the next entry to look at for a subdirectory
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
  // The next match of the current level's search, or the failure that ends it.
  UNCResult NextMatch();
  // The next entry of a frame's subdirectory search.
  UNCResult NextEntry(CUNCSearchFrame& frame);
  // The current level's frame, its folder listed.
  CUNCSearchFrame& ListedLevel();
  void ListLevel(CUNCSearchFrame& frame);
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
  // A recursive walk would list every folder twice, once for its matches and once for its
  // subdirectories; where the actor allows, it lists each once (see ListedLevel).
  bool m_bListOnce = false;
  std::string m_pattern;        // the spec's file part, matched against a level's listing
  std::size_t m_nextMatch = 0;  // in the current level's listing
  bool m_levelMatched = false;
};

}  // namespace varnwick
