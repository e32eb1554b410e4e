#include "ListFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "WildcardMatch.h"

namespace varnwick {

namespace {

ListedKind KindOf(unsigned char type) {
  switch (type) {
    case DT_UNKNOWN: return ListedKind::kUnknown;
    case DT_DIR: return ListedKind::kDirectory;
    case DT_REG: return ListedKind::kRegularFile;
    case DT_LNK: return ListedKind::kSymlink;
    default: return ListedKind::kOther;
  }
}

}  // namespace

// The listing is read with getdents64 into a buffer on the stack: opendir would allocate 32 KB and
// ask fstat for each folder, which over a tree of small folders costs more than the listing.
UNCResult ListFolder(const std::string& directory, std::string_view pattern,
                     std::vector<CUNCFindData>* matches) {
  const int folder = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return UNCResultFromErrno(errno);
  alignas(dirent64) char buffer[32 * 1024];
  int error = 0;
  for (;;) {
    const ssize_t filled = getdents64(folder, buffer, sizeof buffer);
    if (filled <= 0) {
      if (filled < 0) error = errno;
      break;
    }
    for (ssize_t at = 0; at < filled;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
      at += entry->d_reclen;
      if (WildcardMatch(pattern, entry->d_name)) {
        matches->push_back(DescribeEntry(directory, entry->d_name, KindOf(entry->d_type)));
      }
    }
  }
  close(folder);
  if (error != 0) return UNCResultFromErrno(error);
  return matches->empty() ? kUNCNotFound : kUNCOk;
}

}  // namespace varnwick
