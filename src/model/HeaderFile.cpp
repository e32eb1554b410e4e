#include "HeaderFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "CUNCPath.h"
#include "CUNCStandardActor.h"

namespace varnwick {
namespace {

std::string SystemPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// Reads the whole of an open regular file; nullopt on a read error.
std::optional<std::string> ReadAll(int fd, std::size_t size) {
  std::string text(size, '\0');
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, text.data() + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;  // the file shrank since it was measured
    done += static_cast<std::size_t>(got);
  }
  text.resize(done);
  return text;
}

std::string Normalise(std::string text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  return text;
}

}  // namespace

CFileTooLarge::CFileTooLarge(const std::string& path)
    : std::runtime_error("The file " + path + " is larger than 1,048,575 bytes and cannot be read."),
      m_path(path) {}

std::optional<std::string> ReadHeaderFile(const std::string& path) {
  bool exists = false;
  CUNCStandardActor::Instance().Exists(CUNCPath(path), &exists);
  if (!exists) return std::nullopt;
  // Non-blocking, so a FIFO put in the file's place after the test cannot hang the program.
  const int fd = ::open(SystemPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::string();
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return std::string();
  }
  if (static_cast<std::size_t>(info.st_size) > kMaxHeaderBytes) {
    ::close(fd);
    throw CFileTooLarge(path);
  }
  std::optional<std::string> text = ReadAll(fd, static_cast<std::size_t>(info.st_size));
  ::close(fd);
  return text ? Normalise(std::move(*text)) : std::string();
}

}  // namespace varnwick
