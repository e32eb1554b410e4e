// What the fuzz targets that go through real files share: a scratch folder for the process and a
// check that stops the run where an assertion fails.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace varnwick::fuzz {

// Aborts, so that libFuzzer records the input, when a property does not hold.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// A folder of its own for one fuzz process, in memory where the system offers it, removed at exit.
class CScratchFolder {
 public:
  explicit CScratchFolder(const std::string& name) {
    const std::filesystem::path shm = "/dev/shm";
    const std::filesystem::path base = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    m_path = base / ("varnwick-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(m_path);
    std::filesystem::create_directories(m_path);
  }
  CScratchFolder(const CScratchFolder&) = delete;
  CScratchFolder& operator=(const CScratchFolder&) = delete;
  ~CScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }

  std::string Path() const { return m_path.string(); }

  // Writes `bytes` as they are to a file of the folder and answers its path.
  std::string Write(const std::string& name, std::string_view bytes) const {
    const std::string path = (m_path / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    Require(out.good(), "the scratch file could be written");
    return path;
  }

 private:
  std::filesystem::path m_path;
};

}  // namespace varnwick::fuzz
