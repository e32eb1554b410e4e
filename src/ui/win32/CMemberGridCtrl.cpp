#include "CMemberGridCtrl.h"

#include <algorithm>

#include "ImageStrips.h"

namespace varnwick {

namespace {

constexpr int kColumnCount = 2;
constexpr int kTextIndent = 4;  // from the cell's edge to its text
constexpr int kTextRoomLoss = 6;

// The top of an image of `height` centred in a row; the row's top when the image is as high.
int CentredTop(const RECT& row, int height) {
  const int rowHeight = row.bottom - row.top;
  return rowHeight > height ? row.top + (rowHeight - height) / 2 : row.top;
}

}  // namespace

CMemberGridCtrl::~CMemberGridCtrl() {
  if (m_hWnd != nullptr && IsWindow(m_hWnd)) RemoveWindowSubclass(m_hWnd, WindowProc, 0);
  if (m_checkBoxes != nullptr) ImageList_Destroy(m_checkBoxes);
}

void CMemberGridCtrl::Attach(HWND list, HIMAGELIST memberIcons) {
  m_hWnd = list;
  m_memberIcons = memberIcons;
  SetWindowSubclass(list, WindowProc, 0, reinterpret_cast<DWORD_PTR>(this));
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  ListView_SetImageList(list, memberIcons, LVSIL_SMALL);
  // The empty area below the rows in the scroll-bar colour; rows on the window's colour.
  ListView_SetBkColor(list, GetSysColor(COLOR_SCROLLBAR));
  ListView_SetTextBkColor(list, GetSysColor(COLOR_WINDOW));
  ListView_SetTextColor(list, GetSysColor(COLOR_WINDOWTEXT));
  // Set again, so that the list asks its parent for the row height now that this grid answers.
  SendMessageA(list, WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), TRUE);
}

void CMemberGridCtrl::InsertColumns(const char* first, const char* second) {
  const char* headings[kColumnCount] = {first, second};
  for (int column = 0; column < kColumnCount; ++column) {
    LVCOLUMNA entry{};
    entry.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
    entry.fmt = LVCFMT_LEFT;
    entry.pszText = const_cast<char*>(headings[column]);
    SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&entry));
  }
}

void CMemberGridCtrl::ShareWidth() {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  // Room for the vertical scroll bar that rows beyond the first page bring, so that the columns
  // never need a horizontal one.
  if ((GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VSCROLL) == 0) client.right -= GetSystemMetrics(SM_CXVSCROLL);
  const int share = client.right / kColumnCount;
  for (int column = 0; column < kColumnCount; ++column)
    ListView_SetColumnWidth(m_hWnd, column, column + 1 < kColumnCount ? share : share + client.right % kColumnCount);
}

void CMemberGridCtrl::SetCheckBoxes(bool on) {
  if (on && m_checkBoxes == nullptr) {
    m_checkBoxes = LoadCheckBoxes();
    if (m_checkBoxes != nullptr) ListView_SetImageList(m_hWnd, m_checkBoxes, LVSIL_STATE);
  }
  m_bCheckable = on;
  ListView_SetItemState(m_hWnd, -1, on ? INDEXTOSTATEIMAGEMASK(1) : 0, LVIS_STATEIMAGEMASK);
}

void CMemberGridCtrl::DeleteAllItems() { ListView_DeleteAllItems(m_hWnd); }

int CMemberGridCtrl::AppendRow(const std::string& type, const std::string& name, int icon, int state) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = ListView_GetItemCount(m_hWnd);
  item.pszText = const_cast<char*>(type.c_str());
  item.iImage = icon;
  const int row = static_cast<int>(SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return row;
  LVITEMA nameCell{};
  nameCell.iSubItem = 1;
  nameCell.pszText = const_cast<char*>(name.c_str());
  SendMessageA(m_hWnd, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&nameCell));
  SetCheckState(row, m_bCheckable ? state : 0);
  return row;
}

void CMemberGridCtrl::SetCheckState(int row, int state) {
  if (!m_bCheckable || state < 0 || state > 2) return;
  ListView_SetItemState(m_hWnd, row, INDEXTOSTATEIMAGEMASK(state + 1), LVIS_STATEIMAGEMASK);
  if (row >= 0) ListView_RedrawItems(m_hWnd, row, row);
}

int CMemberGridCtrl::GetCheckState(int row) const {
  if (!m_bCheckable) return 0;
  return static_cast<int>(ListView_GetItemState(m_hWnd, row, LVIS_STATEIMAGEMASK) >> 12) - 1;
}

int CMemberGridCtrl::RowAt(POINT point) const {
  LVHITTESTINFO hit{};
  hit.pt = point;
  ListView_SubItemHitTest(m_hWnd, &hit);
  return hit.iItem;
}

int CMemberGridCtrl::CheckStripRow(POINT point) const {
  RECT first{};
  if (!m_bCheckable || ListView_GetItemCount(m_hWnd) == 0 || !ListView_GetItemRect(m_hWnd, 0, &first, LVIR_BOUNDS))
    return -1;
  // The check column is the first: no column stands before it.
  if (point.x < first.left || point.x >= first.left + kCheckBoxWidth) return -1;
  return RowAt(point);
}

bool CMemberGridCtrl::OnLButtonDown(POINT point) {
  const int row = CheckStripRow(point);
  if (row < 0) return false;
  if (m_toggle) m_toggle(row);
  SetFocus(m_hWnd);
  return true;  // the selection stays where it was
}

bool CMemberGridCtrl::OnLButtonDblClk(POINT point) {
  const int row = m_bCheckable ? RowAt(point) : -1;
  if (row < 0) return false;
  if (m_toggle) m_toggle(row);
  return true;
}

void CMemberGridCtrl::OnSpace() {
  const int focused = m_bCheckable ? ListView_GetNextItem(m_hWnd, -1, LVNI_FOCUSED) : -1;
  if (focused >= 0 && m_toggle) m_toggle(focused);
}

void CMemberGridCtrl::OnNotify(const NMHDR& header) {
  if (header.code != LVN_COLUMNCLICK || !m_sort) return;
  const HCURSOR old = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // the wait cursor
  m_sort(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
  SetCursor(old);
}

void CMemberGridCtrl::MeasureItem(MEASUREITEMSTRUCT& item) const {
  HDC dc = GetDC(m_hWnd);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);
  item.itemHeight = static_cast<UINT>(std::max<LONG>(kMemberIconWidth + 1, metrics.tmHeight + 2));
}

void CMemberGridCtrl::DrawImages(HDC dc, int row, RECT& cell, bool highlighted) const {
  RECT strip = cell;
  strip.right = std::min<LONG>(cell.right, cell.left + kCheckBoxWidth + kMemberIconWidth);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &strip, nullptr, 0, nullptr);
  const COLORREF ground = GetBkColor(dc);
  if (m_checkBoxes != nullptr) {
    ImageList_SetBkColor(m_checkBoxes, ground);
    ImageList_Draw(m_checkBoxes, GetCheckState(row), dc, cell.left, CentredTop(cell, kCheckBoxWidth), ILD_NORMAL);
    ImageList_SetBkColor(m_checkBoxes, CLR_NONE);
  }
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  SendMessageA(m_hWnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  if (m_memberIcons != nullptr) {
    ImageList_SetBkColor(m_memberIcons, ground);
    ImageList_Draw(m_memberIcons, item.iImage, dc, cell.left + kCheckBoxWidth, CentredTop(cell, kMemberIconWidth),
                   highlighted ? ILD_BLEND50 : ILD_NORMAL);
    ImageList_SetBkColor(m_memberIcons, CLR_NONE);
  }
  cell.left = strip.right;
}

void CMemberGridCtrl::DrawCellText(HDC dc, int row, int column, const RECT& cell) const {
  char text[1024] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  SendMessageA(m_hWnd, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
  RECT room = cell;
  room.left += kTextIndent;
  room.right = std::max(room.left, cell.right - (kTextRoomLoss - kTextIndent));
  room.top += 1;
  DrawTextA(dc, text, -1, &room, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void CMemberGridCtrl::DrawItem(const DRAWITEMSTRUCT& item) const {
  if (static_cast<int>(item.itemID) < 0 || item.itemAction == ODA_FOCUS) return;
  const int row = static_cast<int>(item.itemID);
  const bool focus = GetFocus() == m_hWnd;
  const bool highlighted = focus && (item.itemState & ODS_SELECTED) != 0;
  const COLORREF oldText =
      SetTextColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ListView_GetTextColor(m_hWnd));
  const COLORREF oldGround =
      SetBkColor(item.hDC, highlighted ? GetSysColor(COLOR_HIGHLIGHT) : ListView_GetTextBkColor(m_hWnd));
  RECT cell = item.rcItem;
  for (int column = 0; column < kColumnCount; ++column) {
    cell.right = cell.left + ListView_GetColumnWidth(m_hWnd, column);
    RECT text = cell;
    if (column == 0) DrawImages(item.hDC, row, text, highlighted);
    DrawCellText(item.hDC, row, column, text);
    cell.left = cell.right;
  }
  SetTextColor(item.hDC, oldText);
  SetBkColor(item.hDC, oldGround);
  if (focus && (item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

LRESULT CALLBACK CMemberGridCtrl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
  auto& grid = *reinterpret_cast<CMemberGridCtrl*>(self);
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_LBUTTONDOWN:
      if (grid.OnLButtonDown(point)) return 0;
      break;
    case WM_LBUTTONDBLCLK:
      if (grid.OnLButtonDblClk(point)) return 0;
      break;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) grid.OnSpace();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // The selection shows highlighted only while the grid has the focus.
      InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace varnwick
