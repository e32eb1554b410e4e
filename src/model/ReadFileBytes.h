#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "CReadBuffer.h"

namespace varnwick {

enum class FileBytesResult {
  kRead,        // `bytes` holds the whole file
  kUnreadable,  // not a regular file, cannot be opened, or a read failed
  kTooLarge,    // longer than the limit; nothing was read
};

// Reads the whole of the regular file at `path` into `buffer` as it is on disk (never with text
// mode's line-end or end-of-file translation); `bytes` then views the file's bytes in the buffer.
// Of a file over `maxBytes` no more than one byte past the limit is read.
FileBytesResult ReadFileBytes(const std::string& path, std::size_t maxBytes, CReadBuffer& buffer,
                              std::string_view& bytes);

}  // namespace varnwick
