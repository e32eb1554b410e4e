#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "AddDirectory.h"
#include "CCatalogue.h"
#include "CReadPacer.h"

namespace varnwick {

class CShellHost;

// What a folder read did.
struct CFolderReadResult {
  std::size_t headers = 0;   // headers read, with classes or without
  std::size_t classes = 0;   // classes found
  std::size_t replaced = 0;  // headers loaded before, whose classes were read again
  bool cancelled = false;
  std::optional<std::string> tooLarge;  // the header over the size limit that ended the read
};

// One folder read with the class list growing as headers are read, selecting at each repaint the
// row a refill would select, at the pace of a CReadPacer. Cancel stops the read after the header
// being read; what was read stays. A complete read is remembered by the catalogue, for Reload.
class CFolderRead : private CReadListener {
 public:
  // `list` is the class list the host shows; the read inserts the new classes that `filter` shows
  // at their sorted places and tells `host` of each.
  CFolderRead(CCatalogue& catalogue, CClassList& list, const CClassFilter& filter, CShellHost& host,
              const CShellClock& clock);

  // Reads the headers and ends with the selection a refill would make.
  CFolderReadResult Run(const std::string& folder, CFolderDepth depth);
  void Cancel() { m_result.cancelled = true; }

 private:
  void OnFileRead(const std::string& path, bool foundClasses) override;
  bool IsCancelled() const override { return m_result.cancelled; }
  void InsertNewRows();
  void TellNeighbours(std::size_t row);
  void Refresh();
  void Finish();
  // The row a refill of the list would select now.
  void SelectAsARefill(bool bringIntoView);

  CCatalogue& m_catalogue;
  CClassList& m_list;
  const CClassFilter& m_filter;
  CShellHost& m_host;
  CReadPacer m_pacer;
  CFolderReadResult m_result;
  std::size_t m_nShownRecords = 0;  // records already looked at for the class list
  // A header read again moved records about: the list is refilled rather than grown.
  bool m_bRefill = false;
};

}  // namespace varnwick
