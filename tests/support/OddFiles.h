#pragma once

// File-system entries that a header folder may hold besides headers (POSIX only): FIFOs,
// sockets, symbolic links, and files that the test process may not read.
#include <linux/capability.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace varnwick::test {

inline void MakeFifo(const std::string& path) {
  if (::mkfifo(path.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path);
}

// A socket file, which no one can open, root included.
inline void MakeSocket(const std::string& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (fd < 0 || path.size() >= sizeof address.sun_path) throw std::runtime_error("socket " + path);
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  const int bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  ::close(fd);
  if (bound != 0) throw std::runtime_error("bind " + path);
}

inline void MakeSymlink(const std::string& target, const std::string& path) {
  if (::symlink(target.c_str(), path.c_str()) != 0) throw std::runtime_error("symlink " + path);
}

// While it lives, this thread reads files as an unprivileged user would, even when it runs as root:
// the capabilities that let root read any file are dropped from the effective set, and given back
// at the end. Together with chmod 0 it makes a file that cannot be read.
class CNoReadOverride {
 public:
  CNoReadOverride() {
    m_header.version = _LINUX_CAPABILITY_VERSION_3;
    m_header.pid = 0;
    if (::syscall(SYS_capget, &m_header, m_saved) != 0) throw std::runtime_error("capget");
    __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
    reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    if (::syscall(SYS_capset, &m_header, reduced) != 0) throw std::runtime_error("capset");
  }
  CNoReadOverride(const CNoReadOverride&) = delete;
  CNoReadOverride& operator=(const CNoReadOverride&) = delete;
  ~CNoReadOverride() { ::syscall(SYS_capset, &m_header, m_saved); }

 private:
  __user_cap_header_struct m_header{};
  __user_cap_data_struct m_saved[2]{};
};

// A file with content that the test process cannot read while a CNoReadOverride lives.
inline void MakeUnreadable(const std::string& path) {
  if (::chmod(path.c_str(), 0) != 0) throw std::runtime_error("chmod " + path);
}

}  // namespace varnwick::test
