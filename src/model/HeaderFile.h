#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

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

}  // namespace varnwick
