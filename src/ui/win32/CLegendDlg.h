#pragma once

#include <windows.h>
#include <commctrl.h>

#include "CDialogWindow.h"

namespace varnwick {

// Dialog 133: what the grid's member icons and check boxes mean, each label under its picture.
class CLegendDlg : public CDialogWindow {
 public:
  CLegendDlg();
  ~CLegendDlg() override;

 private:
  void OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  // The picture strips stand as their bitmaps are wide and high.
  void SizeToStrip(int id, HIMAGELIST strip);
  void DrawStrip(const DRAWITEMSTRUCT& item) const;

  HIMAGELIST m_memberIcons = nullptr;
  HIMAGELIST m_checkBoxes = nullptr;
};

}  // namespace varnwick
