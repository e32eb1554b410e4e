#include "CMainApp.h"

#include "CMainDlg.h"
#include "CQtSettingsStore.h"
#include "UiText.h"

namespace varnwick {

int CMainApp::Run() {
  // Kept to the end of the process, which ends as soon as the window closes (see main).
  auto* dialog = new CMainDlg(m_startupFiles, nullptr, nullptr, SteadyClock(), std::make_shared<CQtSettingsStore>());
  dialog->exec();
  return 0;
}

}  // namespace varnwick
