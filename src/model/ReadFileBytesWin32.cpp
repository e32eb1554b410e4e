#include <windows.h>

#include "ReadFileBytes.h"

namespace varnwick {
namespace {

// Closes the handle on every way out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : m_handle(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
  }
  HANDLE Get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

bool ReadAll(HANDLE file, std::size_t size, CReadBuffer& buffer, std::string_view& bytes) {
  char* room = buffer.Room(size);
  std::size_t done = 0;
  while (done < size) {
    DWORD got = 0;
    if (!ReadFile(file, room + done, static_cast<DWORD>(size - done), &got, nullptr)) return false;
    if (got == 0) break;  // the file shrank since it was measured
    done += got;
  }
  bytes = buffer.View(done);
  return true;
}

}  // namespace

FileBytesResult ReadFileBytes(const std::string& path, std::size_t maxBytes, CReadBuffer& buffer,
                              std::string_view& bytes) {
  bytes = {};
  const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return FileBytesResult::kUnreadable;
  // Only a file on a disk: a pipe or a device could block or never end.
  LARGE_INTEGER size{};
  if (GetFileType(file.Get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.Get(), &size)) {
    return FileBytesResult::kUnreadable;
  }
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return FileBytesResult::kTooLarge;
  if (!ReadAll(file.Get(), static_cast<std::size_t>(size.QuadPart), buffer, bytes)) {
    return FileBytesResult::kUnreadable;
  }
  return FileBytesResult::kRead;
}

}  // namespace varnwick
