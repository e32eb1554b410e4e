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
  m_changed.notify_all();
  m_helper.join();
}

void CReadAhead::Help() {
  CHeaderReader reader;
  std::unique_lock<std::mutex> lock(m_mutex);
  // The window is kept full, and this thread reads from its far end while the load works from its
  // near end: the two meet, and one waits for the other, only when the window is used up.
  while (!m_stop) {
    if (!m_walkOver && !m_listing && m_tasks.size() < m_window) {
      ListOne(lock);
    } else if (const TaskPtr task = LastWaiting()) {
      ReadTask(lock, *task, reader);
    } else {
      m_changed.wait(lock);
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
  m_changed.notify_all();
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
  m_changed.notify_all();
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
        m_changed.notify_all();
        lock.unlock();
        return Result(*task);
      }
      // The second thread is reading it: read another one meanwhile, or wait.
      if (const TaskPtr other = FirstWaiting()) {
        ReadTask(lock, *other, m_reader);
      } else {
        m_changed.wait(lock);
      }
      continue;
    }
    if (m_walkOver) break;
    if (m_listing) {
      m_changed.wait(lock);
    } else {
      ListOne(lock);
    }
  }
  // Never listed: the walk and the load went different ways.
  lock.unlock();
  return m_reader.Read(path, knowledge);
}

}  // namespace varnwick
