#include "CTextDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "CWindowSettings.h"
#include "MessageText.h"
#include "ResourceIds.h"

namespace varnwick {

namespace {

// Tab stops of four characters, in the units EM_SETTABSTOPS takes: four per average character.
constexpr int kTabStop = 4 * 4;
constexpr int kFontPoints = 9;

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length - 1) : 0);
  return wide;
}

}  // namespace

CTextDlg::CTextDlg(GeneratedText text, CWindowSettings* settings)
    : CDialogWindow(IDD_TEXT), m_text(std::move(text)), m_settings(settings) {}

CTextDlg::~CTextDlg() {
  if (m_hFont != nullptr) DeleteObject(m_hFont);
}

void CTextDlg::OnInitDialog() {
  SetDlgItemTextA(Handle(), IDC_TEXT_BODY, m_text.body.c_str());
  SetDlgItemTextA(Handle(), IDC_TEXT_DECLARATION, m_text.declaration.c_str());
  // An empty declaration box says, in grey, that the command gives none.
  const std::wstring none = Wide(std::string(kNoDeclarationText));
  SendMessageW(Item(IDC_TEXT_DECLARATION), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(none.c_str()));
  SetTextFont();
  RECT window{};
  GetWindowRect(Handle(), &window);
  m_minimum = {window.right - window.left, window.bottom - window.top};
  RECT client{};
  GetClientRect(Handle(), &client);
  m_nButtonsRight = client.right - ChildRect(Item(IDOK)).right;
  RestoreSize();
  SetFocus(Item(IDOK));
}

// A fixed-pitch font keeps the generated columns in line, which the proportional dialog font does not.
void CTextDlg::SetTextFont() {
  HDC screen = GetDC(Handle());
  const int height = -MulDiv(kFontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(Handle(), screen);
  m_hFont = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Consolas");
  for (const int id : {IDC_TEXT_BODY, IDC_TEXT_DECLARATION})
    SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), TRUE);
  const int stops[] = {kTabStop};
  SendMessageA(Item(IDC_TEXT_BODY), EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(stops));
}

void CTextDlg::RestoreSize() {
  if (m_settings == nullptr) return;
  const std::optional<CWindowSize> size = m_settings->TextWindowSize();
  if (!size) return;
  // A screen smaller than the one the size was left on still shows the whole window.
  const HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
  MONITORINFO screen{sizeof(MONITORINFO), {}, {}, 0};
  GetMonitorInfoA(monitor, &screen);
  const int width = std::max<int>(m_minimum.cx, std::min<int>(size->width, screen.rcWork.right - screen.rcWork.left));
  const int height =
      std::max<int>(m_minimum.cy, std::min<int>(size->height, screen.rcWork.bottom - screen.rcWork.top));
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CTextDlg::KeepSize() {
  if (m_settings == nullptr) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  m_settings->SetTextWindowSize({window.right - window.left, window.bottom - window.top});
}

void CTextDlg::OnEditCopy() {
  const HWND body = Item(IDC_TEXT_BODY);
  SendMessageA(body, EM_SETSEL, 0, -1);
  SendMessageA(body, WM_COPY, 0, 0);
}

void CTextDlg::OnCommand(int id, int code, HWND control) {
  if (id == IDC_EDIT_COPY) {
    OnEditCopy();
    return;
  }
  if (id == IDOK || id == IDCANCEL) KeepSize();
  CDialogWindow::OnCommand(id, code, control);
}

void CTextDlg::LayOut(int width, int height) {
  const int buttonsRight = width - m_nButtonsRight;
  const RECT ok = ChildRect(Item(IDOK));
  const RECT copy = ChildRect(Item(IDC_EDIT_COPY));
  const RECT declaration = ChildRect(Item(IDC_TEXT_DECLARATION));
  const RECT body = ChildRect(Item(IDC_TEXT_BODY));
  const int okLeft = buttonsRight - (ok.right - ok.left);
  const int copyLeft = okLeft - (ok.left - copy.left);
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(Item(IDOK), nullptr, okLeft, ok.top, 0, 0, flags | SWP_NOSIZE);
  SetWindowPos(Item(IDC_EDIT_COPY), nullptr, copyLeft, copy.top, 0, 0, flags | SWP_NOSIZE);
  SetWindowPos(Item(IDC_TEXT_DECLARATION), nullptr, 0, 0, copyLeft - (copy.left - declaration.right) - declaration.left,
               declaration.bottom - declaration.top, flags | SWP_NOMOVE);
  SetWindowPos(Item(IDC_TEXT_BODY), nullptr, 0, 0, width - body.left, height - body.top, flags | SWP_NOMOVE);
}

bool CTextDlg::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_SIZE:
      if (m_minimum.cx == 0) return false;  // not laid out before the window is set up
      LayOut(LOWORD(lParam), HIWORD(lParam));
      result = 0;
      return true;
    case WM_GETMINMAXINFO:
      if (m_minimum.cx == 0) return false;
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {m_minimum.cx, m_minimum.cy};
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace varnwick
