// What reading a tree's headers costs before any parsing: lists each folder named on the command
// line and reads every "*.h" file in it whole (open, read, close), on two threads that take the
// folders in turn. bench/tree_bench.sh times it beside varnwick-cli, Ctags and wc -l, as the floor
// under what varnwick-cli can reach on the machine.
//
//   varnwick-bench-read-floor FOLDER...     prints the number of bytes read
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace {

constexpr std::size_t kRoom = 2 * 1024 * 1024;

std::size_t ReadFile(const std::string& path, char* room) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return 0;
  const ssize_t got = ::read(fd, room, kRoom);
  ::close(fd);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::size_t ReadFolder(const std::string& folder, char* room) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return 0;
  std::vector<std::string> headers;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (entry->d_type == DT_REG && name.size() > 2 && name.ends_with(".h")) headers.push_back(folder + "/" + entry->d_name);
  }
  ::closedir(listing);
  std::size_t bytes = 0;
  for (const std::string& header : headers) bytes += ReadFile(header, room);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> folders(argv + 1, argv + argc);
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> total{0};
  const auto work = [&] {
    const auto room = std::make_unique_for_overwrite<char[]>(kRoom);
    std::size_t bytes = 0;
    for (std::size_t i = next++; i < folders.size(); i = next++) bytes += ReadFolder(folders[i], room.get());
    total += bytes;
  };
  std::thread second(work);
  work();
  second.join();
  std::printf("%zu\n", total.load());
  return 0;
}
