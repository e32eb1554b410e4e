#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "CHeaderReader.h"
#include "CHeaderSource.h"

namespace varnwick {

// The headers a load is going to read, in the order it reads them.
class CHeaderWalk {
 public:
  virtual ~CHeaderWalk() = default;
  // The next header; false when there is none left.
  virtual bool Next(std::string& path, CPathKnowledge& knowledge) = 0;
};

// Reads and parses the headers of a load ahead of it, on a second thread, while the load itself
// runs unchanged on the calling thread and adds each header's classes in its own order. The
// calling thread reads headers too: when the next one it asks for is already being read, it
// takes on another one meanwhile. A header the load asks for is matched by path; what the walk
// listed and the load passed over (the rest of a folder after a header over the size limit)
// is dropped, and a header the walk never listed is read there and then. So the load sees the
// very records, messages and failures a serial load would.
class CReadAhead : public CHeaderSource {
 public:
  // At most `window` headers are held read but not yet asked for.
  explicit CReadAhead(std::unique_ptr<CHeaderWalk> walk, std::size_t window = 64);
  CReadAhead(const CReadAhead&) = delete;
  CReadAhead& operator=(const CReadAhead&) = delete;
  // Stops the second thread and waits for it.
  ~CReadAhead() override;

  // To be called from the thread that made the read-ahead.
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) override;

 private:
  struct Task {
    std::string path;
    CPathKnowledge knowledge = CPathKnowledge::kUnknown;
    enum State { kWaiting, kReading, kDone } state = kWaiting;
    std::vector<std::unique_ptr<CClassInfo>> records;
    std::exception_ptr failure;
  };
  using TaskPtr = std::shared_ptr<Task>;

  void Help();
  // Reads `task` with `reader`, the lock released meanwhile.
  void ReadTask(std::unique_lock<std::mutex>& lock, Task& task, CHeaderReader& reader);
  // Lists one more header, the lock released meanwhile; false when the walk is over.
  bool ListOne(std::unique_lock<std::mutex>& lock);
  TaskPtr FirstWaiting() const;
  TaskPtr LastWaiting() const;
  // Drops the tasks before the one for `path`; null when none is listed.
  TaskPtr FindFront(const std::string& path);
  static std::vector<std::unique_ptr<CClassInfo>> Result(Task& task);

  std::unique_ptr<CHeaderWalk> m_walk;
  const std::size_t m_window;
  CHeaderReader m_reader;  // the calling thread's

  std::mutex m_mutex;
  std::condition_variable m_helperWake;  // the second thread waits on it
  std::condition_variable m_loadWake;    // the load waits on it
  std::deque<TaskPtr> m_tasks;  // listed and not yet asked for, in walk order
  bool m_listing = false;       // one thread is in the walk
  bool m_walkOver = false;
  bool m_stop = false;
  std::thread m_helper;
};

}  // namespace varnwick
