#include "CClassListBox.h"

#include "CMainShell.h"

namespace varnwick {

namespace {

constexpr int kTextIndent = 2;
constexpr char kNameFileGap[] = "  ";
constexpr int kToolTipWidth = 800;

}  // namespace

CClassListBox::~CClassListBox() {
  if (m_hWnd != nullptr && IsWindow(m_hWnd)) RemoveWindowSubclass(m_hWnd, WindowProc, 0);
  if (m_hToolTip != nullptr) DestroyWindow(m_hToolTip);
}

void CClassListBox::Attach(HWND list, const CMainShell& shell) {
  m_hWnd = list;
  m_shell = &shell;
  SetWindowSubclass(list, WindowProc, 0, reinterpret_cast<DWORD_PTR>(this));
  CreateToolTip();
}

void CClassListBox::CreateToolTip() {
  m_hToolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0,
                               0, 0, GetParent(m_hWnd), nullptr, GetModuleHandleA(nullptr), nullptr);
  TOOLINFOA tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(m_hWnd);
  tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(m_hToolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageA(m_hToolTip, TTM_SETMAXTIPWIDTH, 0, kToolTipWidth);  // so that its lines break where the text does
}

int CClassListBox::TextWidth(const std::string& text) const {
  HDC dc = GetDC(m_hWnd);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);
  return size.cx;
}

std::string CClassListBox::ToolTipText(std::size_t row) const {
  if (m_shell == nullptr || row >= m_shell->ClassList().rows.size()) return {};
  const CClassRowLabel label = m_shell->ClassRowLabel(row);
  const std::string text = label.fileName.empty() ? label.name : label.name + kNameFileGap + label.fileName;
  RECT client{};
  GetClientRect(m_hWnd, &client);
  const bool cut = kTextIndent + TextWidth(text) > client.right;
  return cut ? text + "\n" + label.path : label.path;
}

void CClassListBox::OnToolTipText(NMTTDISPINFOA& request) {
  m_strToolTip = m_nHoverRow >= 0 ? ToolTipText(static_cast<std::size_t>(m_nHoverRow)) : std::string();
  request.lpszText = m_strToolTip.data();
}

// Another row under the pointer: the tooltip goes, to come back with that row's text.
void CClassListBox::OnMouseMove(POINT point) {
  const LRESULT hit = SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  const int row = HIWORD(hit) != 0 ? -1 : static_cast<int>(LOWORD(hit));
  if (row == m_nHoverRow) return;
  m_nHoverRow = row;
  SendMessageA(m_hToolTip, TTM_POP, 0, 0);
  SendMessageA(m_hToolTip, TTM_ACTIVATE, row >= 0, 0);
}

LRESULT CALLBACK CClassListBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  if (message == WM_MOUSEMOVE)
    reinterpret_cast<CClassListBox*>(self)->OnMouseMove({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  return DefSubclassProc(window, message, wParam, lParam);
}

void CClassListBox::Show(const CMainShell& shell) {
  m_bPaintingHeld = false;
  SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
  SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
  for (std::size_t row = 0; row < shell.ClassList().rows.size(); ++row)
    SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shell.ClassAtRow(row).m_strName.c_str()));
  SelectRow(shell.ClassList().selectedRow);
  SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CClassListBox::InsertRow(const CMainShell& shell, std::size_t row) {
  if (!m_bPaintingHeld) SendMessageA(m_hWnd, WM_SETREDRAW, FALSE, 0);
  m_bPaintingHeld = true;
  const int top = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
  SendMessageA(m_hWnd, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(shell.ClassAtRow(row).m_strName.c_str()));
  // While a read fills the list, the rows the user looks at must not slide away under the pointer.
  if (top > 0 && static_cast<int>(row) < top) SendMessageA(m_hWnd, LB_SETTOPINDEX, top + 1, 0);
}

void CClassListBox::ResumePainting() {
  if (!m_bPaintingHeld) return;
  m_bPaintingHeld = false;
  SendMessageA(m_hWnd, WM_SETREDRAW, TRUE, 0);
  RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CClassListBox::ShowRow(std::size_t row) {
  RECT place{};
  if (SendMessageA(m_hWnd, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place)) != LB_ERR)
    InvalidateRect(m_hWnd, &place, TRUE);
}

void CClassListBox::ShowSelection(const CMainShell& shell, bool bringIntoView) {
  if (bringIntoView) ResumePainting();  // the read is over
  const int top = static_cast<int>(SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
  SelectRow(shell.ClassList().selectedRow);
  if (!bringIntoView) SendMessageA(m_hWnd, LB_SETTOPINDEX, top, 0);
}

std::optional<std::size_t> CClassListBox::SelectedRow() const {
  const LRESULT row = SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void CClassListBox::SelectRow(std::optional<std::size_t> row) {
  SendMessageA(m_hWnd, LB_SETCURSEL, row ? static_cast<WPARAM>(*row) : static_cast<WPARAM>(-1), 0);
}

void CClassListBox::DrawItem(const CMainShell& shell, const DRAWITEMSTRUCT& item) const {
  if (static_cast<int>(item.itemID) < 0 || item.itemID >= shell.ClassList().rows.size()) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const CClassRowLabel label = shell.ClassRowLabel(item.itemID);
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT room = item.rcItem;
  room.left += kTextIndent;
  const UINT format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  DrawTextA(item.hDC, label.name.c_str(), -1, &room, format);
  if (!label.fileName.empty()) {
    const std::string shown = label.name + kNameFileGap;
    SIZE nameSize{};
    GetTextExtentPoint32A(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &nameSize);
    room.left += nameSize.cx;
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    if (room.left < room.right) DrawTextA(item.hDC, label.fileName.c_str(), -1, &room, format);
  }
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace varnwick
