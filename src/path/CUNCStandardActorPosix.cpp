#include "CUNCStandardActor.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "FindMatches.h"
#include "ListFolder.h"
#include "PathText.h"

namespace varnwick {

namespace {

// "." and ".." are dropped and ".." takes back one level, as a full-path query does without
// looking at the disk.
std::string CollapseDots(const std::string& absolute) {
  std::vector<std::string> levels;
  std::size_t start = 0;
  while (start <= absolute.size()) {
    std::size_t end = absolute.find('/', start);
    if (end == std::string::npos) end = absolute.size();
    const std::string level = absolute.substr(start, end - start);
    if (level == "..") {
      if (!levels.empty()) levels.pop_back();
    } else if (!level.empty() && level != ".") {
      levels.push_back(level);
    }
    start = end + 1;
  }
  std::string result;
  for (const std::string& level : levels) result += "/" + level;
  return result.empty() ? "/" : result;
}

UNCResult CurrentDirectory(std::string* directory) {
  std::vector<char> buffer(256);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return UNCResultFromErrno(errno);
    buffer.resize(buffer.size() * 2);
  }
  *directory = buffer.data();
  return kUNCOk;
}

// A path that cannot be resolved (it does not exist yet) is made absolute without resolving.
UNCResult MakeAbsolute(const std::string& text, std::string* absolute) {
  std::string joined = text;
  if (text.front() != '/') {
    std::string current;
    const UNCResult result = CurrentDirectory(&current);
    if (UNCFailed(result)) return result;
    joined = current + "/" + text;
  }
  *absolute = CollapseDots(joined);
  return kUNCOk;
}

}  // namespace

// The entry's kind, from the directory listing when it tells, else from the file itself.
CUNCFindData DescribeEntry(const std::string& directory, const char* name, ListedKind kind) {
  CUNCFindData data;
  data.name = name;
  struct stat info {};
  if (kind == ListedKind::kUnknown && lstat((directory + "/" + data.name).c_str(), &info) == 0) {
    kind = S_ISLNK(info.st_mode)   ? ListedKind::kSymlink
           : S_ISDIR(info.st_mode) ? ListedKind::kDirectory
           : S_ISREG(info.st_mode) ? ListedKind::kRegularFile
                                   : ListedKind::kOther;
  }
  if (kind == ListedKind::kDirectory) data.isDirectory = true;
  if (kind == ListedKind::kRegularFile) data.isRegularFile = true;
  if (kind == ListedKind::kSymlink) {
    data.isSymlink = true;
    if (stat((directory + "/" + data.name).c_str(), &info) == 0) {
      data.isDirectory = S_ISDIR(info.st_mode);
      data.isRegularFile = S_ISREG(info.st_mode);
    }
  }
  return data;
}

UNCResult CUNCStandardActor::Qualify(CUNCPath& path) {
  const std::string text = ToSystemSeparators(path.GetFull());
  if (text.empty()) return kUNCOk;
  std::string qualified;
  if (char* resolved = realpath(text.c_str(), nullptr)) {
    qualified = resolved;
    std::free(resolved);
  } else {
    const UNCResult result = MakeAbsolute(text, &qualified);
    if (UNCFailed(result)) return result;
  }
  // A directory named with a trailing separator stays a directory (no file part).
  if (text.back() == '/' && qualified.back() != '/') qualified.push_back('/');
  path = qualified;
  return kUNCOk;
}

// The listing is filtered with WildcardMatch here and nowhere else.
bool CUNCStandardActor::SearchesByWildcardMatch() const { return true; }

UNCResult CUNCStandardActor::Exists(CUNCPath path, bool* exists) {
  bool found = false;
  UNCResult result = kUNCOk;
  const std::string text = ToSystemSeparators(path.GetFull());
  if (!path.File().empty()) {
    // Only a regular file counts: opening a FIFO or a device later could block for ever.
    struct stat info {};
    if (stat(text.c_str(), &info) != 0) {
      result = UNCResultFromErrno(errno);
    } else if (!S_ISREG(info.st_mode)) {
      result = kUNCNotFound;
    } else {
      found = true;
    }
  } else if (access(text.c_str(), F_OK) == 0) {
    found = true;
  } else {
    result = kUNCNotFound;
  }
  if (exists != nullptr) *exists = found;
  return result;
}

UNCResult FindMatches(const std::string& pattern, std::vector<CUNCFindData>* matches) {
  const std::string text = ToSystemSeparators(pattern);
  const std::size_t slash = text.rfind('/');
  const std::string directory =
      slash == std::string::npos ? "." : slash == 0 ? "/" : text.substr(0, slash);
  const std::string_view name =
      slash == std::string::npos ? std::string_view(text) : std::string_view(text).substr(slash + 1);
  return ListFolder(directory, name, matches);
}

}  // namespace varnwick
