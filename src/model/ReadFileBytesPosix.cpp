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

bool ReadAll(int fd, std::size_t size, std::string& bytes) {
  bytes.resize(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, bytes.data() + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;  // the file shrank since it was measured
    done += static_cast<std::size_t>(got);
  }
  bytes.resize(done);
  return true;
}

}  // namespace

FileBytesResult ReadFileBytes(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  // Non-blocking, so a FIFO put in the file's place after an existence test cannot hang.
  const FileDescriptor file(::open(ToSystemSeparators(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.Get() < 0) return FileBytesResult::kUnreadable;
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return FileBytesResult::kUnreadable;
  const auto size = static_cast<std::size_t>(info.st_size);
  if (size > maxBytes) return FileBytesResult::kTooLarge;
  if (!ReadAll(file.Get(), size, bytes)) return FileBytesResult::kUnreadable;
  return FileBytesResult::kRead;
}

}  // namespace varnwick
