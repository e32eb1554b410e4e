#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

namespace varnwick {

class CMainShell;

// The class list: one row per row of the shell's list, in its order, drawn by this class so that
// a name shared by two rows shows its header's file name after it, dimmed.
class CClassListBox {
 public:
  void Attach(HWND list) { m_hWnd = list; }
  HWND Handle() const { return m_hWnd; }

  void Show(const CMainShell& shell);
  void InsertRow(const CMainShell& shell, std::size_t row);
  void ShowRow(std::size_t row);
  void ShowSelection(const CMainShell& shell, bool bringIntoView);
  std::optional<std::size_t> SelectedRow() const;

  // The parent's WM_DRAWITEM for the list.
  void DrawItem(const CMainShell& shell, const DRAWITEMSTRUCT& item) const;

 private:
  void SelectRow(std::optional<std::size_t> row);

  HWND m_hWnd = nullptr;
};

}  // namespace varnwick
