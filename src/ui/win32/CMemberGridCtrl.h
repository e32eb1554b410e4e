#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

namespace varnwick {

// The member grid: a report list view of the dialog that draws its rows itself, each with a
// three-state check box and the member's icon in the first column, texts cut with "..." to fit.
// A row's check state is its state-image index less one. Clicks on the box, double-clicks, Space
// and clicks on a heading are handed to the owner, which answers with SetCheckState or a refill.
class CMemberGridCtrl {
 public:
  CMemberGridCtrl() = default;
  ~CMemberGridCtrl();
  CMemberGridCtrl(const CMemberGridCtrl&) = delete;
  CMemberGridCtrl& operator=(const CMemberGridCtrl&) = delete;

  // Takes over the list view, with the member icons as its small images (owned by the caller).
  void Attach(HWND list, HIMAGELIST memberIcons);
  HWND Handle() const { return m_hWnd; }
  void InsertColumns(const char* first, const char* second);
  // Each column gets an equal share of the client width, the last one the remainder too.
  void ShareWidth();
  // The state images of bitmap 23280; every row shows state 0 until told otherwise.
  void SetCheckBoxes(bool on);

  void DeleteAllItems();
  int AppendRow(const std::string& type, const std::string& name, int icon, int state);
  void SetCheckState(int row, int state);
  int GetCheckState(int row) const;

  void OnToggle(std::function<void(int row)> toggle) { m_toggle = std::move(toggle); }
  void OnSort(std::function<void(int column)> sort) { m_sort = std::move(sort); }

  // The parent's messages for the grid.
  void DrawItem(const DRAWITEMSTRUCT& item) const;
  void MeasureItem(MEASUREITEMSTRUCT& item) const;
  void OnNotify(const NMHDR& header);

  // Where a click toggles a row: the row under `point` (client coordinates) when the point lies
  // within the check-box strip; -1 elsewhere.
  int CheckStripRow(POINT point) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
  bool OnLButtonDown(POINT point);
  bool OnLButtonDblClk(POINT point);
  void OnSpace();
  int RowAt(POINT point) const;
  void DrawImages(HDC dc, int row, RECT& cell, bool highlighted) const;
  void DrawCellText(HDC dc, int row, int column, const RECT& cell) const;

  HWND m_hWnd = nullptr;
  HIMAGELIST m_memberIcons = nullptr;
  HIMAGELIST m_checkBoxes = nullptr;
  bool m_bCheckable = false;
  std::function<void(int)> m_toggle;
  std::function<void(int)> m_sort;
};

}  // namespace varnwick
