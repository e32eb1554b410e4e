#include "CFolderPicker.h"

#include <shlobj.h>

namespace varnwick {

// The tree's root stays the desktop, so that the user can still go above the start folder; the
// start folder is only where the selection stands when the browser opens.
int CALLBACK CFolderPicker::OnBrowserEvent(HWND browser, UINT event, LPARAM, LPARAM self) {
  const auto& picker = *reinterpret_cast<const CFolderPicker*>(self);
  if (event == BFFM_INITIALIZED && !picker.m_strStartFolder.empty())
    SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(picker.m_strStartFolder.c_str()));
  return 0;
}

bool CFolderPicker::Browse(HWND owner) {
  IMalloc* allocator = nullptr;
  if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return false;
  char displayName[MAX_PATH] = {};
  BROWSEINFOA request{};
  request.hwndOwner = owner;
  request.pszDisplayName = displayName;
  request.lpszTitle = m_strTitle.empty() ? "Open" : m_strTitle.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
  request.lpfn = OnBrowserEvent;
  request.lParam = reinterpret_cast<LPARAM>(this);
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&request);
  bool found = false;
  if (chosen != nullptr) {
    char path[MAX_PATH] = {};
    found = SHGetPathFromIDListA(chosen, path) != FALSE;
    if (found) m_strChosenFolder = path;
    allocator->Free(chosen);
  }
  allocator->Release();
  return found;
}

}  // namespace varnwick
