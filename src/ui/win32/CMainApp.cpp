#include "CMainApp.h"

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "CMainDlg.h"
#include "CRegistrySettingsStore.h"

namespace varnwick {

int CMainApp::Run() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The folder browser is a shell window, which wants COM on the thread that shows it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  int code = 1;
  {
    CMainDlg dialog(m_startupFiles, nullptr, SteadyClock(), std::make_shared<CRegistrySettingsStore>());
    dialog.OnClosed([] { PostQuitMessage(0); });
    if (dialog.Create() != nullptr) {
      MSG message;
      while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (dialog.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
      code = static_cast<int>(message.wParam);
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return code;
}

}  // namespace varnwick
