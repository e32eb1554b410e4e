#include "CDialogWindow.h"

namespace varnwick {

CDialogWindow::~CDialogWindow() {
  if (m_hWnd != nullptr && !m_bModal) DestroyWindow(m_hWnd);
}

INT_PTR CDialogWindow::DoModal(HWND owner) {
  m_bModal = true;
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), owner, DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

HWND CDialogWindow::Create(HWND owner) {
  m_bModal = false;
  CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nTemplateId), owner, DialogProc,
                     reinterpret_cast<LPARAM>(this));
  if (m_hWnd != nullptr) ShowWindow(m_hWnd, SW_SHOW);
  return m_hWnd;
}

void CDialogWindow::End(INT_PTR result) {
  if (m_bModal)
    EndDialog(m_hWnd, result);
  else
    DestroyWindow(m_hWnd);
}

void CDialogWindow::OnCommand(int id, int, HWND) {
  if (id == IDOK || id == IDCANCEL) End(id);
}

bool CDialogWindow::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK CDialogWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialogWindow*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    dialog->m_hWnd = window;
  }
  auto* dialog = reinterpret_cast<CDialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  const INT_PTR result = dialog->Dispatch(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    dialog->m_hWnd = nullptr;
  }
  return result;
}

INT_PTR CDialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (OnMessage(message, wParam, lParam, result)) {
    // The colour requests answer with their brush itself; every other message through the window.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return result;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return TRUE;  // the dialog places the focus on its first tab stop
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace varnwick
