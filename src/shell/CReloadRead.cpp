#include "CReloadRead.h"

#include "MessageText.h"

namespace varnwick {

CReloadRead::CReloadRead(CCatalogue& catalogue, CShellHost& host, const CShellClock& clock)
    : m_catalogue(catalogue), m_pacer(host, clock) {}

CReloadReport CReloadRead::Run() {
  CReloadReport report = m_catalogue.Reload(this);
  m_pacer.Finish();
  return report;
}

void CReloadRead::OnFileRead(const std::string& /*path*/, bool /*foundClasses*/) {
  ++m_nFiles;
  // The list is refilled once the reload is done: records move about until then.
  if (m_pacer.Due()) m_pacer.Refresh(m_nFiles, 0, ReloadProgressText(m_nFiles));
}

}  // namespace varnwick
