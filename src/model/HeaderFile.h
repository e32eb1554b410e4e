#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "CReadBuffer.h"

namespace varnwick {

// The largest header the system reads: one byte short of one mebibyte.
inline constexpr std::size_t kMaxHeaderBytes = 0xFFFFF;

// Raised for a header over kMaxHeaderBytes; it ends the user's command at once.
class CFileTooLarge : public std::runtime_error {
 public:
  explicit CFileTooLarge(const std::string& path);
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

// Reads a header whole: nullopt when no regular file of that name exists, "" when it exists but
// cannot be read, else its text up to the first zero byte, without a leading UTF-8 byte-order mark.
std::optional<std::string> ReadHeaderFile(const std::string& path);

// A header's text within its file's bytes: up to the first zero byte, without a leading UTF-8
// byte-order mark.
std::string_view HeaderText(std::string_view bytes);

// How much is known of a path before it is read.
enum class CPathKnowledge {
  kUnknown,         // the existence test of the file-system actor decides
  kListedFileEntry, // a directory search has just listed it as a regular file (or a link to one)
};

// ReadHeaderFile into `buffer`, whose memory serves file after file: the text views the buffer
// until its next read. A path listed as a file entry is not tested for existence again.
// `textRead`, when given, tells whether the file's bytes were read (the text may still be empty).
std::optional<std::string_view> ReadHeaderText(const std::string& path, CReadBuffer& buffer,
                                               CPathKnowledge knowledge = CPathKnowledge::kUnknown,
                                               bool* textRead = nullptr);

}  // namespace varnwick
