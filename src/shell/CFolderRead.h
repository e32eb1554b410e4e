#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "AddDirectory.h"
#include "CCatalogue.h"

namespace varnwick {

class CShellHost;

// Milliseconds since some fixed moment; injected so that tests need no sleeping.
using CShellClock = std::function<std::chrono::milliseconds()>;
CShellClock SteadyClock();

// One folder read with the class list growing as headers are read, selecting at each repaint the
// row a refill would select. A read that takes longer than half a second shows the status line
// with its counts and Cancel; the window is brought up to date at most every 30 ms, so that the
// list visibly grows and Cancel answers at once, but painting does not outweigh reading. Cancel
// stops the read after the header being read; what was read stays.
class CFolderRead : private CAddDirectoryListener {
 public:
  static constexpr std::chrono::milliseconds kProgressDelay{500};
  static constexpr std::chrono::milliseconds kRefreshInterval{30};

  // `list` is the class list the host shows; the read inserts the new classes that `filter` shows
  // at their sorted places and tells `host` of each.
  CFolderRead(CCatalogue& catalogue, CClassList& list, const CClassFilter& filter, CShellHost& host,
              const CShellClock& clock);

  // Reads the headers and ends with the selection a refill would make. Answers the header over the
  // size limit that ended the read, if one did.
  std::optional<std::string> Run(const std::string& folder, CFolderDepth depth);
  void Cancel() { m_bCancelled = true; }

 private:
  void OnFileRead(const std::string& path, bool foundClasses) override;
  bool IsCancelled() const override { return m_bCancelled; }
  void InsertNewRows();
  void Refresh();
  void Finish();
  // The row a refill of the list would select now.
  void SelectAsARefill();

  CCatalogue& m_catalogue;
  CClassList& m_list;
  const CClassFilter& m_filter;
  CShellHost& m_host;
  const CShellClock& m_clock;
  bool m_bCancelled = false;
  bool m_bProgressShown = false;
  std::size_t m_nFiles = 0;
  std::size_t m_nFirstNew = 0;     // catalogue size when the read began
  std::size_t m_nShownRecords = 0;  // records already looked at for the class list
  std::chrono::milliseconds m_start{0};
  std::optional<std::chrono::milliseconds> m_lastRefresh;
};

}  // namespace varnwick
