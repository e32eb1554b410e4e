#include "CUNCStandardActor.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include "FindMatches.h"

namespace varnwick {

namespace {

// The code the system gives for a search handle that is not open.
constexpr UNCResult kUNCInvalidHandle = 0x80070006;

}  // namespace

// The matches of one search, sorted by their bytes so a folder is walked in the same order on
// every platform and file system.
class CUNCFindState {
 public:
  explicit CUNCFindState(std::vector<CUNCFindData> entries) : m_entries(std::move(entries)) {
    std::sort(m_entries.begin(), m_entries.end(),
              [](const CUNCFindData& a, const CUNCFindData& b) { return a.name < b.name; });
  }

  bool Next(CUNCFindData* data) {
    if (m_next >= m_entries.size()) return false;
    *data = m_entries[m_next++];
    return true;
  }

 private:
  std::vector<CUNCFindData> m_entries;
  std::size_t m_next = 0;
};

CUNCStandardActor& CUNCStandardActor::Instance() {
  static CUNCStandardActor instance;
  return instance;
}

UNCResult CUNCStandardActor::FindFirst(CUNCPath path, CUNCFindHandle* handle, CUNCFindData* data) {
  *handle = nullptr;
  std::vector<CUNCFindData> matches;
  const UNCResult result = FindMatches(path.PathNoTrailingSep(), &matches);
  if (UNCFailed(result) || matches.empty()) return result;
  auto state = new CUNCFindState(std::move(matches));
  state->Next(data);
  *handle = state;
  return kUNCOk;
}

UNCResult CUNCStandardActor::FindNext(CUNCFindHandle handle, CUNCFindData* data) {
  if (handle == nullptr) return kUNCInvalidHandle;
  return handle->Next(data) ? kUNCOk : kUNCNoMoreFiles;
}

UNCResult CUNCStandardActor::FindClose(CUNCFindHandle handle) {
  if (handle == nullptr) return kUNCInvalidHandle;
  delete handle;
  return kUNCOk;
}

UNCResult UNCResultFromErrno(int error) {
  switch (error) {
    case 0: return kUNCOk;
    case ENOENT: return kUNCNotFound;
    case ENOTDIR: return kUNCPathNotFound;
    case EACCES:
    case EPERM: return kUNCAccessDenied;
    case EEXIST: return kUNCAlreadyExists;
    case ENOSYS: return kUNCNotImplemented;
    default: return 0x80070000u | (static_cast<UNCResult>(error) & 0xFFFFu);
  }
}

}  // namespace varnwick
