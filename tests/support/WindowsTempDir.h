#pragma once

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnwick::test {

// A fresh folder named the way Windows users write paths, removed with everything in it. It lies
// in the Windows temporary folder, or, when `onWineDriveZ` is set, in the Unix temporary
// directory reached through drive Z:, which Wine maps to "/" (on a Windows without that drive,
// in the Windows temporary folder again).
class WindowsTempDir {
 public:
  explicit WindowsTempDir(bool onWineDriveZ) {
    const std::string base = onWineDriveZ ? WineDriveZBase() : WindowsTempBase();
    std::random_device random;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
      const std::string candidate = base + "varnwick-win-" + std::to_string(random());
      if (CreateDirectoryA(candidate.c_str(), nullptr)) m_path = candidate;
    }
    if (m_path.empty()) throw std::runtime_error("no temporary folder could be made under " + base);
  }
  WindowsTempDir(const WindowsTempDir&) = delete;
  WindowsTempDir& operator=(const WindowsTempDir&) = delete;
  ~WindowsTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }

  // Without a trailing backslash, as the folder picker answers a folder.
  const std::string& Path() const { return m_path; }
  std::string operator/(std::string_view name) const { return m_path + "\\" + std::string(name); }

  std::string Folder(std::string_view name) const {
    const std::string path = *this / name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }
  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = *this / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  static bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  // Each base ends in a backslash.
  static std::string WineDriveZBase() {
    const char* unixTemp = std::getenv("TMPDIR");
    std::string base = std::string("Z:") + (unixTemp != nullptr && *unixTemp == '/' ? unixTemp : "/tmp");
    for (char& c : base) c = c == '/' ? '\\' : c;
    if (base.back() != '\\') base += '\\';
    return IsFolder(base) ? base : WindowsTempBase();
  }
  static std::string WindowsTempBase() {
    char windowsTemp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof windowsTemp, windowsTemp);
    return windowsTemp;
  }

  std::string m_path;
};

}  // namespace varnwick::test
