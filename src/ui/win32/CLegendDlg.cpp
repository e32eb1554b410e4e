#include "CLegendDlg.h"

#include <commctrl.h>

#include "ImageStrips.h"
#include "ResourceIds.h"

namespace varnwick {

CLegendDlg::CLegendDlg() : CDialogWindow(IDD_LEGEND) {}

CLegendDlg::~CLegendDlg() {
  if (m_memberIcons != nullptr) ImageList_Destroy(m_memberIcons);
  if (m_checkBoxes != nullptr) ImageList_Destroy(m_checkBoxes);
}

void CLegendDlg::OnInitDialog() {
  m_memberIcons = LoadMemberIcons();
  m_checkBoxes = LoadCheckBoxes();
  SizeToStrip(IDC_LEGEND_ICONS, m_memberIcons);
  SizeToStrip(IDC_LEGEND_CHECKS, m_checkBoxes);
}

void CLegendDlg::SizeToStrip(int id, HIMAGELIST strip) {
  int width = 0;
  int height = 0;
  if (strip == nullptr || !ImageList_GetIconSize(strip, &width, &height)) return;
  SetWindowPos(Item(id), nullptr, 0, 0, width * ImageList_GetImageCount(strip), height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLegendDlg::DrawStrip(const DRAWITEMSTRUCT& item) const {
  const HIMAGELIST strip = item.CtlID == IDC_LEGEND_ICONS ? m_memberIcons : m_checkBoxes;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  if (strip == nullptr) return;
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(strip, &width, &height);
  for (int image = 0; image < ImageList_GetImageCount(strip); ++image)
    ImageList_Draw(strip, image, item.hDC, item.rcItem.left + image * width, item.rcItem.top, ILD_TRANSPARENT);
}

bool CLegendDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_DRAWITEM) return false;
  DrawStrip(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  result = TRUE;
  return true;
}

}  // namespace varnwick
