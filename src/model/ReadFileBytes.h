#pragma once

#include <cstddef>
#include <string>

namespace varnwick {

enum class FileBytesResult {
  kRead,        // `bytes` holds the whole file
  kUnreadable,  // not a regular file, cannot be opened, or a read failed
  kTooLarge,    // longer than the limit; nothing was read
};

// Reads the whole of the regular file at `path` into `bytes` as it is on disk (never with text
// mode's line-end or end-of-file translation). The old content of `bytes` is replaced and its
// capacity reused, so one buffer can serve many files. A file over `maxBytes` is measured on its
// open handle and not read.
FileBytesResult ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes);

}  // namespace varnwick
