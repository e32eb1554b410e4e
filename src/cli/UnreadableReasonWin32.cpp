#include <windows.h>

#include "PathLoader.h"
#include "UnreadableReason.h"

namespace varnwick {
namespace {

// The system's text for an error code, without its line end.
std::optional<std::string> SystemReason(DWORD error) {
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == ' ')) {
    --length;
  }
  if (length == 0) return "error " + std::to_string(error);
  return std::string(buffer, length);
}

std::optional<std::string> FolderReason(const std::string& path) {
  std::string pattern = path;
  if (pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  FindClose(search);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> UnreadableReason(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return SystemReason(GetLastError());
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FolderReason(path);
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return SystemReason(GetLastError());
  const DWORD type = GetFileType(file);
  CloseHandle(file);
  if (type != FILE_TYPE_DISK) return "not a regular file";
  return std::nullopt;
}

CFolderCheck CheckFolder(const std::string& path) {
  if (!ExistsAsFolder(path)) return {};
  return {true, FolderReason(path)};
}

}  // namespace varnwick
