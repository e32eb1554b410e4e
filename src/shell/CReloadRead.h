#pragma once

#include <cstddef>
#include <string>

#include "CCatalogue.h"
#include "CReadPacer.h"

namespace varnwick {

class CShellHost;

// Reload with the same progress and Cancel as a folder read: the catalogue reads its headers
// again while the window shows how far it has come.
class CReloadRead : private CReadListener {
 public:
  CReloadRead(CCatalogue& catalogue, CShellHost& host, const CShellClock& clock);

  CReloadReport Run();
  void Cancel() { m_bCancelled = true; }

 private:
  void OnFileRead(const std::string& path, bool foundClasses) override;
  bool IsCancelled() const override { return m_bCancelled; }

  CCatalogue& m_catalogue;
  CReadPacer m_pacer;
  std::size_t m_nFiles = 0;
  bool m_bCancelled = false;
};

}  // namespace varnwick
