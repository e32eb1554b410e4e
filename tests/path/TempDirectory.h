#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "TempDir.h"

namespace varnwick::test {

// A temporary directory with the POSIX entries the path tests need besides files and folders.
class TempDirectory : public TempDir {
 public:
  std::string operator/(const std::string& relative) const { return TempDir::operator/(relative); }

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
};

}  // namespace varnwick::test
