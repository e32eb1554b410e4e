#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PathText.h"
#include "UnreadableReason.h"

namespace varnwick {
namespace {

std::optional<std::string> SystemReason(int error) { return std::string(std::strerror(error)); }

}  // namespace

std::optional<std::string> UnreadableReason(const std::string& path) {
  const std::string system = ToSystemSeparators(path);
  struct stat info {};
  if (::stat(system.c_str(), &info) != 0) return SystemReason(errno);
  if (S_ISDIR(info.st_mode)) {
    DIR* listing = ::opendir(system.c_str());
    if (listing == nullptr) return SystemReason(errno);
    ::closedir(listing);
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  const int file = ::open(system.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (file < 0) return SystemReason(errno);
  ::close(file);
  return std::nullopt;
}

}  // namespace varnwick
