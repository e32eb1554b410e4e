// What reading a tree's headers costs before any parsing: lists folders and reads every "*.h" file
// in them whole (open, read, close), on two threads that take the folders in turn. With -r it
// starts from one folder and takes the subfolders it lists as well, as `varnwick-cli classes -r`
// does; otherwise it reads the folders named on the command line. bench/tree_bench.sh times it
// beside varnwick-cli, Ctags and wc -l, as the floor under what varnwick-cli can reach on the
// machine.
//
//   varnwick-bench-read-floor FOLDER...     prints the number of bytes read
//   varnwick-bench-read-floor -r FOLDER
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
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

bool IsDotEntry(std::string_view name) { return name == "." || name == ".."; }

// Reads the folder's headers; its subfolders are added to `subfolders` when that is not null.
std::size_t ReadFolder(const std::string& folder, char* room, std::vector<std::string>* subfolders) {
  DIR* listing = ::opendir(folder.c_str());
  if (listing == nullptr) return 0;
  std::vector<std::string> headers;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (entry->d_type == DT_REG && name.size() > 2 && name.ends_with(".h")) headers.push_back(folder + "/" + entry->d_name);
    if (subfolders != nullptr && entry->d_type == DT_DIR && !IsDotEntry(name)) {
      subfolders->push_back(folder + "/" + entry->d_name);
    }
  }
  ::closedir(listing);
  std::size_t bytes = 0;
  for (const std::string& header : headers) bytes += ReadFile(header, room);
  return bytes;
}

// The folders still to read, shared by the two threads; with -r a thread adds the subfolders of
// each folder it takes.
class CFolderQueue {
 public:
  CFolderQueue(std::vector<std::string> folders, bool recursive) : m_folders(std::move(folders)), m_recursive(recursive) {}

  std::size_t Work() {
    const auto room = std::make_unique_for_overwrite<char[]>(kRoom);
    std::size_t bytes = 0;
    std::string folder;
    while (Take(folder)) {
      std::vector<std::string> subfolders;
      bytes += ReadFolder(folder, room.get(), m_recursive ? &subfolders : nullptr);
      Done(subfolders);
    }
    return bytes;
  }

 private:
  bool Take(std::string& folder) {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_folders.empty() || m_busy == 0; });
    if (m_folders.empty()) return false;
    folder = std::move(m_folders.back());
    m_folders.pop_back();
    ++m_busy;
    return true;
  }

  void Done(std::vector<std::string>& subfolders) {
    {
      const std::lock_guard<std::mutex> lock(m_mutex);
      for (std::string& subfolder : subfolders) m_folders.push_back(std::move(subfolder));
      --m_busy;
    }
    m_wake.notify_all();
  }

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::vector<std::string> m_folders;
  const bool m_recursive;
  int m_busy = 0;  // threads reading a folder, which may add subfolders
};

const char kUsage[] =
    "usage: varnwick-bench-read-floor FOLDER...   reads every *.h file of the folders named\n"
    "       varnwick-bench-read-floor -r FOLDER   reads every *.h file of FOLDER and its subfolders\n"
    "Prints the number of bytes read.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  const bool recursive = argc > 1 && std::strcmp(argv[1], "-r") == 0;
  const int first = 1 + (recursive ? 1 : 0);
  for (int i = first; i < argc; ++i) {
    if (argv[i][0] == '-') {
      std::fprintf(stderr, "varnwick-bench-read-floor: unknown option \"%s\"\n%s", argv[i], kUsage);
      return 2;
    }
  }
  if (first >= argc) {
    std::fprintf(stderr, "varnwick-bench-read-floor: no FOLDER given\n%s", kUsage);
    return 2;
  }
  CFolderQueue queue(std::vector<std::string>(argv + first, argv + argc), recursive);
  std::size_t secondBytes = 0;
  std::thread second([&] { secondBytes = queue.Work(); });
  const std::size_t bytes = queue.Work();
  second.join();
  std::printf("%zu\n", bytes + secondBytes);
  return 0;
}
