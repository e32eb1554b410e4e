#include "CUNCIterator.h"

#include "WildcardMatch.h"

namespace varnwick {

namespace {

// Every entry of a directory: the pattern the recursive walk lists subdirectories with.
constexpr const char* kEveryEntry = "*.*";

bool IsDotEntry(const CUNCFindData& data) { return data.name == "." || data.name == ".."; }

// The result of a close is kept only when it failed, so a clean close never hides an earlier
// failure.
void CloseSearch(CUNCPath& reporter, CUNCFindHandle& handle) {
  if (handle == nullptr) return;
  const UNCResult result = reporter.Actor().FindClose(handle);
  handle = nullptr;
  if (UNCFailed(result)) reporter.SetLastResult(result);
}

}  // namespace

CUNCIterator::CUNCIterator(std::string_view pattern, bool bForwardSlash)
    : m_current(pattern, bForwardSlash) {}

CUNCIterator::CUNCIterator(const CUNCPath& pattern) : m_current(pattern) {}

CUNCIterator::~CUNCIterator() { End(); }

bool CUNCIterator::Start(bool bIncludeFiles, bool bIncludeDirectories, bool bRecursive,
                         bool bDirectoriesLast) {
  m_bIncludeFiles = bIncludeFiles;
  m_bIncludeDirectories = bIncludeDirectories;
  m_bRecursive = bRecursive;
  m_bDirectoriesLast = bDirectoriesLast;
  End();
  m_spec = m_current;
  m_matchBaseValid = false;
  m_bListOnce = m_bRecursive && !m_bDirectoriesLast && m_current.Actor().SearchesByWildcardMatch();
  m_pattern = m_spec.File();
  m_nextMatch = 0;
  m_levelMatched = false;
  if (m_bRecursive && m_bDirectoriesLast) {
    // The deepest first subdirectory is listed before anything else.
    PushFrame(m_spec, {});
    std::string first = NextDirectory();
    if (!first.empty()) m_spec.DirectoryRef() = first;
  }
  return FindNext();
}

CUNCPath CUNCIterator::Advance() {
  CUNCPath left(m_current);
  MoveNext();
  return left;
}

void CUNCIterator::MoveNext() {
  // Once the walk is over it stays over; searching again would restart from the last level.
  if (!m_current.IsEmpty()) FindNext();
}

bool CUNCIterator::End() {
  m_current.SetLastResult(kUNCOk);
  CloseSearch(m_current, m_handle);
  while (!m_stack.empty()) PopFrame();
  return !UNCFailed(m_current.LastResult());
}

bool CUNCIterator::FindNext() {
  for (;;) {
    const UNCResult result = NextMatch();
    m_current.SetLastResult(result);
    if (UNCFailed(result)) {
      const std::string directory = m_bRecursive ? NextDirectory() : std::string();
      if (directory.empty()) {
        m_current.Clear();
        break;
      }
      CloseSearch(m_current, m_handle);
      m_spec.DirectoryRef() = directory;
      m_matchBaseValid = false;
      m_nextMatch = 0;
      m_levelMatched = false;
      continue;
    }
    if (Accept(m_findData)) {
      StandOnMatch();
      break;
    }
  }
  return !UNCFailed(m_current.LastResult());
}

UNCResult CUNCIterator::NextMatch() {
  CUNCActor& actor = m_current.Actor();
  if (!m_bListOnce) {
    return m_handle != nullptr ? actor.FindNext(m_handle, &m_findData) : actor.FindFirst(m_spec, &m_handle, &m_findData);
  }
  const CUNCSearchFrame& level = ListedLevel();
  if (UNCFailed(level.listResult)) return level.listResult;
  while (m_nextMatch < level.entries.size()) {
    const CUNCFindData& entry = level.entries[m_nextMatch++];
    if (WildcardMatch(m_pattern, entry.name)) {
      m_findData = entry;
      m_levelMatched = true;
      return kUNCOk;
    }
  }
  // As the actor's own search answers: nothing matched at all, or nothing more.
  return m_levelMatched ? kUNCNoMoreFiles : kUNCNotFound;
}

// The root's frame is made here, before the first match; a subdirectory's frame was made when the
// walk entered it. Either way it is the newest one.
CUNCSearchFrame& CUNCIterator::ListedLevel() {
  if (m_stack.empty()) PushFrame(m_spec, {});
  CUNCSearchFrame& level = *m_stack.back();
  if (!level.listed) ListLevel(level);
  return level;
}

void CUNCIterator::ListLevel(CUNCSearchFrame& frame) {
  CUNCActor& actor = m_current.Actor();
  frame.listed = true;
  CUNCFindHandle handle = nullptr;
  CUNCFindData entry;
  UNCResult result = actor.FindFirst(frame.path, &handle, &entry);
  frame.listResult = result;
  while (!UNCFailed(result)) {
    frame.entries.push_back(std::move(entry));
    result = actor.FindNext(handle, &entry);
  }
  CloseSearch(m_current, handle);
}

UNCResult CUNCIterator::NextEntry(CUNCSearchFrame& frame) {
  CUNCActor& actor = m_current.Actor();
  if (!frame.listed) {
    return frame.handle != nullptr ? actor.FindNext(frame.handle, &frame.data)
                                   : actor.FindFirst(frame.path, &frame.handle, &frame.data);
  }
  if (UNCFailed(frame.listResult)) return frame.listResult;
  if (frame.nextEntry == frame.entries.size()) return kUNCNoMoreFiles;
  // The level's matches were all taken before its subdirectories are looked for.
  frame.data = std::move(frame.entries[frame.nextEntry++]);
  return kUNCOk;
}

void CUNCIterator::StandOnMatch() {
  if (!m_matchBaseValid) {
    m_matchBase = CUNCPath(m_spec.PathNoTrailingSep(), m_current.ForwardSlash());
    m_matchBase.Directory();  // splits it now, once for the level
    m_matchBaseValid = true;
  }
  m_current = m_matchBase;
  if (m_findData.isDirectory) {
    m_current.DirectoryRef() += m_findData.name + m_current.Separator();
    m_current.FileRef().clear();
  } else {
    m_current.FileRef() = m_findData.name;
  }
}

bool CUNCIterator::Accept(const CUNCFindData& data) const {
  if (IsDotEntry(data)) return false;
  if (!m_bIncludeFiles) return data.isDirectory;
  if (m_bIncludeDirectories) return true;
  return !data.isDirectory;
}

std::string CUNCIterator::NextDirectory() {
  if (m_stack.empty()) {
    if (m_bDirectoriesLast) return {};
    PushFrame(m_spec, {});
  }
  CUNCSearchFrame* frame = m_stack.back().get();
  for (;;) {
    const UNCResult result = NextEntry(*frame);
    m_current.SetLastResult(result);
    if (UNCFailed(result)) {
      if (m_bDirectoriesLast) {
        std::string finished = frame->path.Directory();
        PopFrame();
        return finished;
      }
      PopFrame();
      if (m_stack.empty()) return {};
      frame = m_stack.back().get();
      continue;
    }
    // A directory reached through a symbolic link is never entered: links may form loops.
    const CUNCFindData& entry = frame->data;
    if (!m_bRecursive || !entry.isDirectory || entry.isSymlink || IsDotEntry(entry)) continue;
    frame = PushFrame(frame->path, entry.name);
    if (!m_bDirectoriesLast) return frame->path.Directory();
  }
}

CUNCSearchFrame* CUNCIterator::PushFrame(const CUNCPath& parent, const std::string& subdirectory) {
  auto frame = std::make_unique<CUNCSearchFrame>();
  frame->path = parent;
  if (!subdirectory.empty()) frame->path.DirectoryRef() += subdirectory + frame->path.Separator();
  frame->path.FileRef() = kEveryEntry;
  m_stack.push_back(std::move(frame));
  return m_stack.back().get();
}

void CUNCIterator::PopFrame() {
  CloseSearch(m_current, m_stack.back()->handle);
  m_stack.pop_back();
  // The frame list gives its memory back once the walk has left every subdirectory.
  if (m_stack.empty()) m_stack.shrink_to_fit();
}

}  // namespace varnwick
