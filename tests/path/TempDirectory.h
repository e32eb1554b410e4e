#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace varnwick::test {

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDirectory {
 public:
  TempDirectory() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base != nullptr && *base != '\0' ? base : "/tmp") +
                          "/varnwick-path-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
  }
  ~TempDirectory() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::string& Path() const { return m_path; }
  std::string operator/(const std::string& relative) const { return m_path + "/" + relative; }

  void File(const std::string& relative) const { std::ofstream(*this / relative) << "x"; }
  void Directory(const std::string& relative) const {
    std::filesystem::create_directories(*this / relative);
  }
  void Link(const std::string& target, const std::string& relative) const {
    std::filesystem::create_symlink(target, *this / relative);
  }
  bool Fifo(const std::string& relative) const {
    return mkfifo((*this / relative).c_str(), 0600) == 0;
  }

 private:
  std::string m_path;
};

}  // namespace varnwick::test
