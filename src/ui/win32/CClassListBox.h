#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <optional>
#include <string>

namespace varnwick {

class CMainShell;

// The class list: one row per row of the shell's list, in its order, drawn by this class so that
// a name shared by two rows shows its header's file name after it, dimmed. A row's tooltip names
// its header, and, when the row is too narrow for its text, the whole text too.
class CClassListBox {
 public:
  CClassListBox() = default;
  ~CClassListBox();
  CClassListBox(const CClassListBox&) = delete;
  CClassListBox& operator=(const CClassListBox&) = delete;

  void Attach(HWND list, const CMainShell& shell);
  HWND Handle() const { return m_hWnd; }
  HWND ToolTip() const { return m_hToolTip; }
  std::string ToolTipText(std::size_t row) const;
  // The parent's TTN_GETDISPINFO from the tooltip.
  void OnToolTipText(NMTTDISPINFOA& request);

  void Show(const CMainShell& shell);
  // During a folder read: rows come in thousands, and a list box that repaints its scroll bar after
  // each of them takes minutes. The list is painted at the refreshes instead (ResumePainting).
  void InsertRow(const CMainShell& shell, std::size_t row);
  void ResumePainting();
  void ShowRow(std::size_t row);
  void ShowSelection(const CMainShell& shell, bool bringIntoView);
  std::optional<std::size_t> SelectedRow() const;

  // The parent's WM_DRAWITEM for the list.
  void DrawItem(const CMainShell& shell, const DRAWITEMSTRUCT& item) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  void CreateToolTip();
  void OnMouseMove(POINT point);
  void SelectRow(std::optional<std::size_t> row);
  int TextWidth(const std::string& text) const;

  HWND m_hWnd = nullptr;
  HWND m_hToolTip = nullptr;
  const CMainShell* m_shell = nullptr;
  int m_nHoverRow = -1;
  bool m_bPaintingHeld = false;
  std::string m_strToolTip;  // the text the tooltip shows, kept while it shows
};

}  // namespace varnwick
