#include "CMainApp.h"

#include "CMainDlg.h"
#include "UiText.h"

namespace varnwick {

CMainApp::CMainApp(const QStringList& arguments)
    // The words after the program name make up one path, as the command line gave it.
    : m_strStartupFile(ToBytes(arguments.join(QLatin1Char(' ')))) {}

int CMainApp::Run() {
  CMainDlg dialog(m_strStartupFile);
  dialog.exec();
  return 0;
}

}  // namespace varnwick
