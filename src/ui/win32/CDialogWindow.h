#pragma once

#include <windows.h>

namespace varnwick {

// A dialog made from one of the program's dialog resources, run modally or, for tests, modeless.
// The one dialog procedure hands every message to the window's OnMessage.
class CDialogWindow {
 public:
  explicit CDialogWindow(int templateId) : m_nTemplateId(templateId) {}
  virtual ~CDialogWindow();
  CDialogWindow(const CDialogWindow&) = delete;
  CDialogWindow& operator=(const CDialogWindow&) = delete;

  // Runs the window in its own message loop until it ends; the result it ended with.
  INT_PTR DoModal(HWND owner);
  // Shows the window and returns at once; it lives until it ends or this object goes.
  HWND Create(HWND owner);
  HWND Handle() const { return m_hWnd; }
  HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }

 protected:
  // EndDialog for a modal window, DestroyWindow for one that is not.
  void End(INT_PTR result);
  virtual void OnInitDialog() {}
  // "OK", Enter, Escape and the close box end the window; other commands are the window's own.
  virtual void OnCommand(int id, int code, HWND control);
  // Answers a message, or returns false to leave it to the dialog's own handling.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  int m_nTemplateId;
  HWND m_hWnd = nullptr;
  bool m_bModal = false;
};

}  // namespace varnwick
