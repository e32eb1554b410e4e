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
#include <vector>

namespace varnwick::fuzz {

// Aborts, so that libFuzzer records the input, when a property does not hold.
inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "property failed: %s\n", what);
  std::abort();
}

// An input read as files and a script of commands: up to `maxFiles` parts ended by zero bytes,
// then the script, cut to `maxScript` bytes. An input without a zero byte is the only file, run
// with `defaultScript`.
struct CFuzzScript {
  std::vector<std::string_view> files;
  std::string_view commands;
};

inline CFuzzScript ReadFuzzScript(std::string_view input, std::size_t maxFiles, std::string_view defaultScript,
                                  std::size_t maxScript) {
  std::vector<std::string_view> parts;
  while (parts.size() < maxFiles) {
    const std::size_t zero = input.find('\0');
    if (zero == std::string_view::npos) break;
    parts.push_back(input.substr(0, zero));
    input.remove_prefix(zero + 1);
  }
  parts.push_back(input);
  if (parts.size() == 1) return {parts, defaultScript};
  const std::string_view commands = parts.back();
  parts.pop_back();
  return {parts, commands.substr(0, maxScript)};
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
