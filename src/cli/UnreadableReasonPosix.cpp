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

// A folder that opens as one can be listed.
std::optional<std::string> FolderReason(const std::string& system) {
  const int folder = ::open(system.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
  if (folder < 0) return SystemReason(errno);
  ::close(folder);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> UnreadableReason(const std::string& path) {
  const std::string system = ToSystemSeparators(path);
  struct stat info {};
  if (::stat(system.c_str(), &info) != 0) return SystemReason(errno);
  if (S_ISDIR(info.st_mode)) return FolderReason(system);
  if (!S_ISREG(info.st_mode)) return "not a regular file";
  const int file = ::open(system.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (file < 0) return SystemReason(errno);
  ::close(file);
  return std::nullopt;
}

std::optional<std::string> FolderUnreadableReason(const std::string& path) {
  return FolderReason(ToSystemSeparators(path));
}

}  // namespace varnwick
