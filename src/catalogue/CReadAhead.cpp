#include "CReadAhead.h"

#include <utility>

namespace varnwick {

// A folder of the load, walked from the listing made ahead; when that listing turns out not to be
// the folder's, the walk goes on through the folder itself from the header it reached.
class CReadAhead::CFolderReplay : public CHeaderWalk {
 public:
  CFolderReplay(CReadAhead& ahead, std::string_view folder, CFolderDepth depth)
      : m_ahead(ahead), m_begin{CWalkStep::kFolderBegin, std::string(folder), CPathKnowledge::kUnknown, depth} {}

  bool Next(CWalkStep& step) override {
    if (!m_own) {
      switch (m_ahead.NextOfFolder(m_begin, m_begun, step)) {
        case kListedHeader:
          m_last = step.path;
          return true;
        case kListedEnd:
          return false;
        case kNotListed:
          WalkItself();
          break;
      }
    }
    return m_own->Next(step);
  }

 private:
  // Lists the folder itself, past the headers already given.
  void WalkItself() {
    m_own = std::make_unique<CFolderWalk>(m_begin.path, m_begin.depth);
    if (m_last.empty()) return;
    CWalkStep passed;
    while (m_own->Next(passed) && passed.path != m_last) {
    }
  }

  CReadAhead& m_ahead;
  const CWalkStep m_begin;  // the folder's begin as the listing would hold it
  bool m_begun = false;  // the folder's begin has been taken from the listing
  std::string m_last;    // the last header given
  std::unique_ptr<CFolderWalk> m_own;
};

CReadAhead::CReadAhead(std::unique_ptr<CHeaderWalk> walk, std::size_t window, CMemberDetail detail)
    : m_walk(std::move(walk)),
      m_window(window == 0 ? 1 : window),
      m_detail(detail),
      m_reader(detail),
      m_helper([this] { WorkAhead(); }) {
  m_reader.MakeRoomForLargest();
}

CReadAhead::~CReadAhead() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_helperWake.notify_one();
  m_helper.join();
}

// The window is filled, and this thread reads from its far end while the load works from its near
// end. Once the two meet, it lists on rather than sit idle, up to the limit of the load's own look
// ahead; only then does it wait, until the load has used up all but half the window, so that the
// threads seldom wake each other.
void CReadAhead::WorkAhead() {
  // Made first, so that it runs last: the records this thread freed serve the other threads.
  struct CSlotRelease {
    ~CSlotRelease() { ReleaseThreadRecordSlots(); }
  } release;
  CHeaderReader reader(m_detail);
  reader.MakeRoomForLargest();
  std::unique_lock<std::mutex> lock(m_mutex);
  bool filling = true;
  while (!m_stop) {
    if (m_tasks.size() <= m_window / 2) filling = true;
    if (filling && m_tasks.size() >= m_window) filling = false;
    if (filling && CanList()) {
      ListOne(lock);
    } else if (const TaskPtr task = LastWaiting()) {
      ReadTask(lock, *task, reader);
    } else if (CanList()) {
      ListOne(lock);
    } else {
      m_helperWake.wait(lock);
    }
  }
}

void CReadAhead::ReadTask(std::unique_lock<std::mutex>& lock, Task& task, CHeaderReader& reader) {
  task.state = Task::kReading;
  lock.unlock();
  std::vector<std::unique_ptr<CClassInfo>> records;
  bool hadText = false;
  std::exception_ptr failure;
  try {
    records = reader.Read(task.step.path, task.step.knowledge);
    hadText = reader.LastReadHadText();
  } catch (...) {
    failure = std::current_exception();
  }
  lock.lock();
  task.records = std::move(records);
  task.hadText = hadText;
  task.failure = failure;
  task.state = Task::kDone;
  m_loadWake.notify_one();
}

bool CReadAhead::ListOne(std::unique_lock<std::mutex>& lock) {
  m_listing = true;
  lock.unlock();
  auto task = std::make_shared<Task>();
  bool listed = false;
  try {
    listed = m_walk->Next(task->step);
  } catch (...) {
    // A walk that fails ends the reading ahead; the load reads the rest itself.
  }
  lock.lock();
  m_listing = false;
  if (listed) {
    // Only headers are read; a folder's begin and end are marks in the listing.
    if (task->step.kind != CWalkStep::kHeader) task->state = Task::kDone;
    m_tasks.push_back(std::move(task));
  } else {
    m_walkOver = true;
  }
  m_loadWake.notify_one();
  m_helperWake.notify_one();
  return listed;
}

bool CReadAhead::LookedTooFar() const { return m_tasks.size() >= 2 * m_window; }

bool CReadAhead::CanList() const { return !m_walkOver && !m_listing && !LookedTooFar(); }

bool CReadAhead::ListOrWait(std::unique_lock<std::mutex>& lock) {
  if (m_walkOver || LookedTooFar()) return false;
  if (m_listing) {
    m_loadWake.wait(lock);
  } else {
    ListOne(lock);
  }
  return true;
}

CReadAhead::TaskPtr CReadAhead::FirstWaiting() const {
  for (const TaskPtr& task : m_tasks) {
    if (task->state == Task::kWaiting) return task;
  }
  return nullptr;
}

CReadAhead::TaskPtr CReadAhead::LastWaiting() const {
  for (auto task = m_tasks.rbegin(); task != m_tasks.rend(); ++task) {
    if ((*task)->state == Task::kWaiting) return *task;
  }
  return nullptr;
}

CReadAhead::TaskPtr CReadAhead::FindFront(const CWalkStep& step) {
  for (auto at = m_tasks.begin(); at != m_tasks.end(); ++at) {
    const CWalkStep& listed = (*at)->step;
    if (listed.kind != step.kind || listed.path != step.path) continue;
    if (step.kind != CWalkStep::kHeader && listed.depth != step.depth) continue;
    m_tasks.erase(m_tasks.begin(), at);  // passed over by the load
    return m_tasks.front();
  }
  return nullptr;
}

std::vector<std::unique_ptr<CClassInfo>> CReadAhead::Result(Task& task) {
  if (task.failure) std::rethrow_exception(task.failure);
  m_lastHadText = task.hadText;
  return std::move(task.records);
}

std::vector<std::unique_ptr<CClassInfo>> CReadAhead::Read(const std::string& path, CPathKnowledge knowledge) {
  std::unique_lock<std::mutex> lock(m_mutex);
  const CWalkStep header{CWalkStep::kHeader, path, knowledge};
  for (;;) {
    if (const TaskPtr task = FindFront(header)) {
      if (task->state == Task::kWaiting) ReadTask(lock, *task, m_reader);
      if (task->state == Task::kDone) {
        m_tasks.pop_front();
        if (m_tasks.size() <= m_window / 2) m_helperWake.notify_one();
        lock.unlock();
        return Result(*task);
      }
      // The second thread is reading it: read or list another one meanwhile, or wait.
      if (const TaskPtr other = FirstWaiting()) {
        ReadTask(lock, *other, m_reader);
      } else if (CanList()) {
        ListOne(lock);
      } else {
        m_loadWake.wait(lock);
      }
      continue;
    }
    if (!ListOrWait(lock)) break;
  }
  lock.unlock();
  std::vector<std::unique_ptr<CClassInfo>> records = m_reader.Read(path, knowledge);
  m_lastHadText = m_reader.LastReadHadText();
  return records;
}

std::unique_ptr<CHeaderWalk> CReadAhead::WalkFolder(std::string_view folder, CFolderDepth depth) {
  return std::make_unique<CFolderReplay>(*this, folder, depth);
}

CReadAhead::FolderStep CReadAhead::NextOfFolder(const CWalkStep& begin, bool& begun, CWalkStep& step) {
  std::unique_lock<std::mutex> lock(m_mutex);
  while (!begun) {
    if (FindFront(begin)) {
      m_tasks.pop_front();
      begun = true;
    } else if (!ListOrWait(lock)) {
      return kNotListed;
    }
  }
  for (;;) {
    if (!m_tasks.empty()) {
      const CWalkStep& front = m_tasks.front()->step;
      // A header stays listed until the load asks to read it.
      if (front.kind == CWalkStep::kHeader) {
        step = front;
        return kListedHeader;
      }
      if (front.kind != CWalkStep::kFolderEnd || front.path != begin.path || front.depth != begin.depth) {
        return kNotListed;
      }
      m_tasks.pop_front();
      if (m_tasks.size() <= m_window / 2) m_helperWake.notify_one();
      return kListedEnd;
    }
    if (!ListOrWait(lock)) return kNotListed;
  }
}

}  // namespace varnwick
