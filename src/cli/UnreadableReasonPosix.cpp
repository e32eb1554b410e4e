#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PathLoader.h"
#include "PathText.h"
#include "UnreadableReason.h"

namespace varnwick {
namespace {

std::optional<std::string> SystemReason(int error) { return std::string(std::strerror(error)); }

// Why the folder cannot be opened as one, or 0: a folder that opens can be listed.
int FolderOpenError(const std::string& system) {
  const int folder = ::open(system.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
  if (folder < 0) return errno;
  ::close(folder);
  return 0;
}

std::optional<std::string> FolderReason(const std::string& system) {
  const int error = FolderOpenError(system);
  if (error != 0) return SystemReason(error);
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

// One open answers both questions for nearly every path: a folder that opens can be listed, and a
// path that is missing or no folder fails with ENOENT or ENOTDIR. Only another failure (no
// permission, say) needs the existence test to tell a folder that cannot be listed.
CFolderCheck CheckFolder(const std::string& path) {
  if (path.empty()) return {};
  const int error = FolderOpenError(ToSystemSeparators(path));
  if (error == 0) return {true, std::nullopt};
  if (error == ENOENT || error == ENOTDIR || !ExistsAsFolder(path)) return {};
  return {true, SystemReason(error)};
}

}  // namespace varnwick
