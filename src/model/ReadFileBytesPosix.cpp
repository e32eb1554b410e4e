#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "PathText.h"
#include "ReadFileBytes.h"

namespace varnwick {
namespace {

// Closes the descriptor on every way out.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int Get() const { return m_fd; }

 private:
  int m_fd;
};

bool ReadAll(int fd, std::size_t size, CReadBuffer& buffer, std::string_view& bytes) {
  char* room = buffer.Room(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, room + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank since it was measured
    done += static_cast<std::size_t>(got);
  }
  bytes = buffer.View(done);
  return true;
}

// The path as the system takes it; copied only when it holds a backslash.
const char* SystemPath(const std::string& path, std::string& converted) {
  if (path.find('\\') == std::string::npos) return path.c_str();
  converted = ToSystemSeparators(path);
  return converted.c_str();
}

}  // namespace

FileBytesResult ReadFileBytes(const std::string& path, std::size_t maxBytes, CReadBuffer& buffer,
                              std::string_view& bytes) {
  bytes = {};
  std::string converted;
  // Non-blocking, so a FIFO put in the file's place after an existence test cannot hang.
  const FileDescriptor file(::open(SystemPath(path, converted), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) return FileBytesResult::kUnreadable;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileBytesResult::kUnreadable;
  const auto size = static_cast<std::size_t>(info.st_size);
  if (size > maxBytes) return FileBytesResult::kTooLarge;
  if (!ReadAll(file.Get(), size, buffer, bytes)) return FileBytesResult::kUnreadable;
  return FileBytesResult::kRead;
}

}  // namespace varnwick
