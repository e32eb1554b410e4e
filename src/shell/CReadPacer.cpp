#include "CReadPacer.h"

#include "CShellHost.h"

namespace varnwick {

CShellClock SteadyClock() {
  return [] {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  };
}

CReadPacer::CReadPacer(CShellHost& host, const CShellClock& clock) : m_host(host), m_clock(clock), m_start(clock()) {}

bool CReadPacer::Due() {
  const std::chrono::milliseconds now = m_clock();
  if (m_lastRefresh && now - *m_lastRefresh < kRefreshInterval) return false;
  m_lastRefresh = now;
  return true;
}

void CReadPacer::Refresh(std::size_t files, std::size_t classes, const std::string& progress) {
  if (m_clock() - m_start >= kProgressDelay) {
    m_host.ShowProgress({files, classes, progress});
    m_bProgressShown = true;
  }
  m_host.Refresh();
}

void CReadPacer::Finish() {
  if (m_bProgressShown) m_host.HideProgress();
  m_bProgressShown = false;
}

}  // namespace varnwick
