#include <io.h>
#include <windows.h>

#include "CUNCStandardActor.h"
#include "FindMatches.h"

namespace varnwick {

namespace {

constexpr UNCResult kUNCInsufficientBuffer = 0x8007007A;

// A failed call's code: the last error's low 16 bits in the Win32 facility, or 0 when the call
// left no error.
UNCResult LastErrorResult() {
  const DWORD error = GetLastError();
  return error == 0 ? kUNCOk : 0x80070000u | (error & 0xFFFFu);
}

bool IsDirectory(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

CUNCFindData DescribeEntry(const WIN32_FIND_DATAA& entry) {
  CUNCFindData data;
  data.name = entry.cFileName;
  data.isDirectory = IsDirectory(entry);
  // The existence test asks the same search and takes every entry that is not a directory.
  data.isRegularFile = !data.isDirectory;
  // Junctions and symbolic links: reported, but a walk never descends into them.
  data.isSymlink = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return data;
}

}  // namespace

UNCResult CUNCStandardActor::Qualify(CUNCPath& path) {
  const std::string text = path.GetFull();
  if (text.empty()) return kUNCOk;
  const DWORD length = GetFullPathNameA(text.c_str(), 0, nullptr, nullptr);
  if (length == 0) return LastErrorResult();
  std::string full(length + 1, '\0');
  const DWORD written = GetFullPathNameA(text.c_str(), length + 1, full.data(), nullptr);
  if (written == 0) return LastErrorResult();
  // Longer than measured: the current folder changed between the two calls.
  if (written >= full.size()) return kUNCInsufficientBuffer;
  full.resize(written);
  path = full;
  return kUNCOk;
}

// The system matches the pattern against short names too, so a filtered listing could differ.
bool CUNCStandardActor::SearchesByWildcardMatch() const { return false; }

UNCResult CUNCStandardActor::Exists(CUNCPath path, bool* exists) {
  if (exists != nullptr) *exists = false;
  const std::string text = path.GetFull();
  if (path.File().empty()) {
    if (_access(text.c_str(), 0) != 0) return kUNCNotFound;
    if (exists != nullptr) *exists = true;
    return kUNCOk;
  }
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(text.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return LastErrorResult();
  ::FindClose(search);
  if (IsDirectory(entry)) return kUNCNotFound;
  if (exists != nullptr) *exists = true;
  return kUNCOk;
}

// The whole search is read at once, so that the shared find state can hand it out in a fixed
// order; the system's own handle is closed before the first entry is reported.
UNCResult FindMatches(const std::string& pattern, std::vector<CUNCFindData>* matches) {
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return LastErrorResult();
  do matches->push_back(DescribeEntry(entry));
  while (FindNextFileA(search, &entry));
  const UNCResult ended = LastErrorResult();
  if (!::FindClose(search)) return LastErrorResult();
  return ended == kUNCNoMoreFiles ? kUNCOk : ended;
}

}  // namespace varnwick
