#include "CReadAhead.h"

#include <utility>

namespace varnwick {

CReadAhead::CReadAhead(std::unique_ptr<CHeaderWalk> walk, std::size_t window)
    : m_walk(std::move(walk)), m_window(window == 0 ? 1 : window), m_helper([this] { Help(); }) {}

CReadAhead::~CReadAhead() {
  {
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_stop = true;
  }
  m_helperWake.notify_one();
  m_helper.join();
}

// The window is filled, and this thread reads from its far end while the load works from its near
// end; once the two meet, it waits until the load has used up half the window and then fills it
// again, so that the threads seldom wake each other.
void CReadAhead::Help() {
  CHeaderReader reader;
  std::unique_lock<std::mutex> lock(m_mutex);
  bool filling = true;
  while (!m_stop) {
    if (m_tasks.size() <= m_window / 2) filling = true;
    if (filling && m_tasks.size() >= m_window) filling = false;
    if (filling && !m_walkOver && !m_listing) {
      ListOne(lock);
    } else if (const TaskPtr task = LastWaiting()) {
      ReadTask(lock, *task, reader);
    } else {
      m_helperWake.wait(lock);
    }
  }
}

void CReadAhead::ReadTask(std::unique_lock<std::mutex>& lock, Task& task, CHeaderReader& reader) {
  task.state = Task::kReading;
  lock.unlock();
  std::vector<std::unique_ptr<CClassInfo>> records;
  std::exception_ptr failure;
  try {
    records = reader.Read(task.path, task.knowledge);
  } catch (...) {
    failure = std::current_exception();
  }
  lock.lock();
  task.records = std::move(records);
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
    listed = m_walk->Next(task->path, task->knowledge);
  } catch (...) {
    // A walk that fails ends the reading ahead; the load reads the rest itself.
  }
  lock.lock();
  m_listing = false;
  if (listed) {
    m_tasks.push_back(std::move(task));
  } else {
    m_walkOver = true;
  }
  m_loadWake.notify_one();
  m_helperWake.notify_one();
  return listed;
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

CReadAhead::TaskPtr CReadAhead::FindFront(const std::string& path) {
  for (auto at = m_tasks.begin(); at != m_tasks.end(); ++at) {
    if ((*at)->path != path) continue;
    m_tasks.erase(m_tasks.begin(), at);  // passed over by the load
    return m_tasks.front();
  }
  return nullptr;
}

std::vector<std::unique_ptr<CClassInfo>> CReadAhead::Result(Task& task) {
  if (task.failure) std::rethrow_exception(task.failure);
  return std::move(task.records);
}

std::vector<std::unique_ptr<CClassInfo>> CReadAhead::Read(const std::string& path, CPathKnowledge knowledge) {
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    if (const TaskPtr task = FindFront(path)) {
      if (task->state == Task::kWaiting) ReadTask(lock, *task, m_reader);
      if (task->state == Task::kDone) {
        m_tasks.pop_front();
        if (m_tasks.size() <= m_window / 2) m_helperWake.notify_one();
        lock.unlock();
        return Result(*task);
      }
      // The second thread is reading it: read another one meanwhile, or wait.
      if (const TaskPtr other = FirstWaiting()) {
        ReadTask(lock, *other, m_reader);
      } else {
        m_loadWake.wait(lock);
      }
      continue;
    }
    // Not listed within twice the window: the walk and the load went different ways.
    if (m_walkOver || m_tasks.size() >= 2 * m_window) break;
    if (m_listing) {
      m_loadWake.wait(lock);
    } else {
      ListOne(lock);
    }
  }
  lock.unlock();
  return m_reader.Read(path, knowledge);
}

}  // namespace varnwick
