#include "ListFolder.h"

#include <dirent.h>

#include <cerrno>

#include "WildcardMatch.h"

namespace varnwick {

// Plain POSIX: readdir names the entries, and POSIX leaves their kind unsaid, so each match is
// asked with lstat.
UNCResult ListFolder(const std::string& directory, std::string_view pattern,
                     std::vector<CUNCFindData>* matches) {
  DIR* folder = opendir(directory.c_str());
  if (folder == nullptr) return UNCResultFromErrno(errno);
  int error = 0;
  for (;;) {
    // readdir answers nullptr both at the end and on an error; only an error sets errno.
    errno = 0;
    const dirent* entry = readdir(folder);
    if (entry == nullptr) {
      error = errno;
      break;
    }
    if (WildcardMatch(pattern, entry->d_name)) {
      matches->push_back(DescribeEntry(directory, entry->d_name, ListedKind::kUnknown));
    }
  }
  closedir(folder);
  if (error != 0) return UNCResultFromErrno(error);
  return matches->empty() ? kUNCNotFound : kUNCOk;
}

}  // namespace varnwick
