#include "CHyperLinkEdit.h"

#include <commctrl.h>
#include <shellapi.h>

#include "MessageText.h"
#include "ResourceIds.h"

namespace varnwick {

namespace {

bool OpenWithDesktop(const std::string& target) {
  const auto code = reinterpret_cast<INT_PTR>(
      ShellExecuteA(GetAncestor(GetActiveWindow(), GA_ROOTOWNER), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  return code > 32;
}

}  // namespace

CHyperLinkEdit::CHyperLinkEdit() : m_opener(OpenWithDesktop) {}

CHyperLinkEdit::~CHyperLinkEdit() {
  if (m_hWnd != nullptr && IsWindow(m_hWnd)) RemoveWindowSubclass(m_hWnd, WindowProc, 0);
}

void CHyperLinkEdit::Attach(HWND edit) {
  m_hWnd = edit;
  SetWindowSubclass(edit, WindowProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void CHyperLinkEdit::SetLink(const std::string& target, const std::string& shown, bool sizeToText) {
  m_bSizeToText = sizeToText;
  m_strTarget = target;
  m_strShown = shown;
  SetWindowTextA(m_hWnd, shown.c_str());
  if (m_bSizeToText && GetParent(m_hWnd) != nullptr) SizeToText();
  m_hCursor = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_CURSOR));
}

// The control keeps its left edge, top and height; its width becomes the text's, in its own font.
void CHyperLinkEdit::SizeToText() {
  HDC dc = GetDC(m_hWnd);
  const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32A(dc, m_strShown.c_str(), static_cast<int>(m_strShown.size()), &text);
  SelectObject(dc, old);
  ReleaseDC(m_hWnd, dc);
  // The edit control's own margins on either side of its text.
  const DWORD margins = static_cast<DWORD>(SendMessageA(m_hWnd, EM_GETMARGINS, 0, 0));
  const int width = text.cx + LOWORD(margins) + HIWORD(margins) + 2;
  RECT place{};
  GetWindowRect(m_hWnd, &place);
  MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<POINT*>(&place), 2);
  if (place.right - place.left == width) return;
  MoveWindow(m_hWnd, place.left, place.top, width, place.bottom - place.top, TRUE);
}

HBRUSH CHyperLinkEdit::Colour(HDC dc) const {
  SetTextColor(dc, TextColour());
  SetBkMode(dc, TRANSPARENT);
  return static_cast<HBRUSH>(GetSysColorBrush(COLOR_BTNFACE));
}

void CHyperLinkEdit::Open() {
  m_bVisited = true;
  if (!m_opener(m_strTarget) && m_teller) m_teller(CouldNotOpenMessage(m_strTarget));
}

LRESULT CALLBACK CHyperLinkEdit::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto& link = *reinterpret_cast<CHyperLinkEdit*>(self);
  switch (message) {
    case WM_SETCURSOR:
      if (link.m_hCursor == nullptr) break;
      SetCursor(link.m_hCursor);
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The edit control gets no caret and no selection from the click.
      link.Open();
      return 0;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace varnwick
