#include "CMainApp.h"

#include "CMainDlg.h"
#include "CQtSettingsStore.h"
#include "UiText.h"

namespace varnwick {

CMainApp::CMainApp(const QStringList& arguments) {
  // Each argument verbatim: a file manager passes one per file, quotes and blanks included.
  for (const QString& argument : arguments) m_startupFiles.push_back(ToBytes(argument));
}

int CMainApp::Run() {
  // Kept to the end of the process, which ends as soon as the window closes (see main).
  auto* dialog = new CMainDlg(m_startupFiles, nullptr, nullptr, SteadyClock(), std::make_shared<CQtSettingsStore>());
  dialog->exec();
  return 0;
}

}  // namespace varnwick
