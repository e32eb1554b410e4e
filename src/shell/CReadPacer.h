#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace varnwick {

class CShellHost;

// Milliseconds since some fixed moment; injected so that tests need no sleeping.
using CShellClock = std::function<std::chrono::milliseconds()>;
CShellClock SteadyClock();

// The pace of a long read on the user-interface thread (a folder read, Reload). A read that takes
// longer than half a second shows the status line with its progress and Cancel; the window is
// brought up to date at most every 30 ms, so that it visibly moves and Cancel answers at once, but
// painting does not outweigh reading.
class CReadPacer {
 public:
  static constexpr std::chrono::milliseconds kProgressDelay{500};
  static constexpr std::chrono::milliseconds kRefreshInterval{30};

  CReadPacer(CShellHost& host, const CShellClock& clock);

  // Whether the window is due to be brought up to date after another header.
  bool Due();
  // Shows `progress` once the read has taken long enough, then lets the window paint and Cancel
  // through.
  void Refresh(std::size_t files, std::size_t classes, const std::string& progress);
  // Hides the progress if it was shown.
  void Finish();

 private:
  CShellHost& m_host;
  const CShellClock& m_clock;
  std::chrono::milliseconds m_start;
  std::optional<std::chrono::milliseconds> m_lastRefresh;
  bool m_bProgressShown = false;
};

}  // namespace varnwick
