#include "CMainStatusBar.h"

#include <commctrl.h>

#include <vector>

#include "ResourceIds.h"

namespace varnwick {

namespace {

constexpr int kCancelWidth = 60;
constexpr int kGripRoom = 20;

}  // namespace

void CMainStatusBar::Create(HWND window) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  m_hWnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | WS_CLIPSIBLINGS, 0, 0, 0,
                           0, window, reinterpret_cast<HMENU>(IDC_STATUS_LINE), instance, nullptr);
  m_hCancel = CreateWindowExA(0, "BUTTON", "Cancel", WS_CHILD | BS_PUSHBUTTON, 0, 0, 0, 0, window,
                              reinterpret_cast<HMENU>(IDC_READ_CANCEL), instance, nullptr);
  const LRESULT font = SendMessageA(window, WM_GETFONT, 0, 0);
  SendMessageA(m_hWnd, WM_SETFONT, font, FALSE);
  SendMessageA(m_hCancel, WM_SETFONT, font, FALSE);
  SendMessageA(m_hWnd, WM_SIZE, 0, 0);  // takes its height from its font
  SetParts();
}

int CMainStatusBar::Height() const {
  RECT place{};
  GetWindowRect(m_hWnd, &place);
  return place.bottom - place.top;
}

void CMainStatusBar::Place(int width, int bottom) {
  SendMessageA(m_hWnd, WM_SIZE, 0, 0);  // the status bar places itself along its parent's foot
  const int height = Height();
  SetWindowPos(m_hCancel, HWND_TOP, width - kCancelWidth - kGripRoom, bottom - height + 1, kCancelWidth, height - 2,
               SWP_NOACTIVATE);
  SetParts();
}

// Two parts, the header taking half; while a read shows its progress, one part ending at Cancel.
void CMainStatusBar::SetParts() {
  RECT client{};
  GetClientRect(m_hWnd, &client);
  std::vector<int> rightEdges;
  if (m_bProgress)
    rightEdges = {client.right - kCancelWidth - kGripRoom - 2, -1};
  else
    rightEdges = {client.right / 2, -1};
  SendMessageA(m_hWnd, SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

void CMainStatusBar::ShowStatus(const CStatusLine& status) {
  m_status = status;
  if (m_bProgress) return;
  SendMessageA(m_hWnd, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(status.message.c_str()));
  SendMessageA(m_hWnd, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(status.classPath.c_str()));
}

void CMainStatusBar::ShowProgress(const std::string& text) {
  if (!m_bProgress) {
    m_bProgress = true;
    SetParts();
    SendMessageA(m_hWnd, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
    ShowWindow(m_hCancel, SW_SHOWNA);
  }
  SendMessageA(m_hWnd, SB_SETTEXTA, 0 | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

void CMainStatusBar::HideProgress() {
  if (!m_bProgress) return;
  m_bProgress = false;
  ShowWindow(m_hCancel, SW_HIDE);
  SetParts();
  ShowStatus(m_status);
}

std::string CMainStatusBar::PartText(int part) const {
  const LRESULT length = LOWORD(SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, part, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(m_hWnd, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace varnwick
