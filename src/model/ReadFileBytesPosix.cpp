#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// Reads until the end or until `room` is full; false when a read fails.
bool ReadUpTo(int fd, char* room, std::size_t size, std::size_t& done) {
  done = 0;
  while (done < size) {
    const ssize_t got = ::read(fd, room + done, size - done);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
    // A regular file comes up short only at its end: no read to learn that it ended.
    if (done < size) break;
  }
  return true;
}

// What the read alone cannot tell: a FIFO reads as empty and a device may read without end, so an
// empty read, and one past the limit, ask what the file is.
FileBytesResult Classify(int fd, std::size_t done, std::size_t maxBytes) {
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return FileBytesResult::kUnreadable;
  return done > maxBytes ? FileBytesResult::kTooLarge : FileBytesResult::kRead;
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
  // One byte past the limit is asked for, so a file over it shows without measuring the file:
  // most headers take an open, one read and a close. The buffer grows only for a file that fills
  // it, so a small header never claims room for the whole limit.
  const std::size_t limit = maxBytes + 1;
  std::size_t want = std::min(buffer.Capacity(), limit);
  std::size_t done = 0;
  for (;;) {
    std::size_t got = 0;
    if (!ReadUpTo(file.Get(), buffer.Grow(want) + done, want - done, got)) return FileBytesResult::kUnreadable;
    done += got;
    if (done < want || want == limit) break;
    want = std::min(want * 2, limit);
  }
  if (done == 0 || done > maxBytes) {
    const FileBytesResult kind = Classify(file.Get(), done, maxBytes);
    if (kind != FileBytesResult::kRead) return kind;
  }
  bytes = buffer.View(done);
  return FileBytesResult::kRead;
}

}  // namespace varnwick
