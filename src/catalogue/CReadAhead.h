#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "CHeaderReader.h"
#include "CHeaderSource.h"
#include "CHeaderWalk.h"

namespace varnwick {

// Lists and reads the headers of a load ahead of it, on a second thread, while the load itself
// runs unchanged on the calling thread and adds each header's classes in its own order. The
// calling thread reads headers too: when the next one it asks for is already being read, it
// takes on another one meanwhile, and it walks a folder from the listing made ahead instead of
// listing the folder again. A header the load asks for is matched by path, a folder by name;
// what was listed and the load passed over (the rest of a folder after a header over the size
// limit) is dropped, and what was never listed is read or listed there and then. So the load sees
// the very records, messages and failures a serial load would.
class CReadAhead : public CHeaderSource {
 public:
  static constexpr std::size_t kDefaultWindow = 64;

  // At most about `window` headers are listed but not yet asked for. The classes read keep their
  // members in `detail`.
  explicit CReadAhead(std::unique_ptr<CHeaderWalk> walk, std::size_t window = kDefaultWindow,
                      CMemberDetail detail = CMemberDetail::kRecords);
  CReadAhead(const CReadAhead&) = delete;
  CReadAhead& operator=(const CReadAhead&) = delete;
  // Stops the second thread and waits for it.
  ~CReadAhead() override;

  // Both to be called from the thread that made the read-ahead.
  std::vector<std::unique_ptr<CClassInfo>> Read(const std::string& path, CPathKnowledge knowledge) override;
  std::unique_ptr<CHeaderWalk> WalkFolder(std::string_view folder, CFolderDepth depth) override;
  bool LastReadHadText() const override { return m_lastHadText; }

 private:
  class CFolderReplay;
  struct Task {
    CWalkStep step;
    enum State { kWaiting, kReading, kDone } state = kWaiting;
    std::vector<std::unique_ptr<CClassInfo>> records;
    bool hadText = false;
    std::exception_ptr failure;
  };
  using TaskPtr = std::shared_ptr<Task>;

  // The second thread's work: lists and reads ahead of the load until it is stopped.
  void WorkAhead();
  // Reads `task` with `reader`, the lock released meanwhile.
  void ReadTask(std::unique_lock<std::mutex>& lock, Task& task, CHeaderReader& reader);
  // Lists one more step, the lock released meanwhile; false when the walk is over.
  bool ListOne(std::unique_lock<std::mutex>& lock);
  // Lists one more step, or waits for the other thread's; false when nothing more will come or
  // the load has looked too far ahead for what it wants.
  bool ListOrWait(std::unique_lock<std::mutex>& lock);
  // The load never has more than twice the window listed ahead of it.
  bool LookedTooFar() const;
  // Whether a step may be listed now: the walk goes on, no thread is in it, and the load has not
  // looked too far.
  bool CanList() const;
  TaskPtr FirstWaiting() const;
  TaskPtr LastWaiting() const;
  // Makes the first listed step like `step` (its kind, path and, for a folder's, depth) the front,
  // dropping the steps before it; null when it is not listed (yet).
  TaskPtr FindFront(const CWalkStep& step);
  enum FolderStep { kListedHeader, kListedEnd, kNotListed };
  // The next step of the load's walk of `folder` from the listing: a header, the folder's end, or
  // none when the listing does not hold that walk. `begun` tells whether the folder's begin has
  // been taken already.
  FolderStep NextOfFolder(const CWalkStep& begin, bool& begun, CWalkStep& step);
  std::vector<std::unique_ptr<CClassInfo>> Result(Task& task);

  std::unique_ptr<CHeaderWalk> m_walk;
  const std::size_t m_window;
  const CMemberDetail m_detail;
  CHeaderReader m_reader;  // the calling thread's
  bool m_lastHadText = false;  // of the load's last Read

  std::mutex m_mutex;
  std::condition_variable m_helperWake;  // the second thread waits on it
  std::condition_variable m_loadWake;    // the load waits on it
  std::deque<TaskPtr> m_tasks;           // listed and not yet taken by the load, in walk order
  bool m_listing = false;                // one thread is in the walk
  bool m_walkOver = false;
  bool m_stop = false;
  std::thread m_helper;
};

}  // namespace varnwick
