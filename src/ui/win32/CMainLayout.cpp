#include "CMainLayout.h"

#include <algorithm>
#include <iterator>

#include "ResourceIds.h"

namespace varnwick {

namespace {

// How each control follows the window as it grows: the share of the growth in width (dx) and in
// height (dy) by which its left, right, top and bottom edges move. The class list takes a quarter
// of the width, the grid and the member list the rest; the grid takes the height in the
// proportion of the two (90 to 33). An edge at the class list's share moves with the splitter too.
struct CAnchor {
  int id;
  double left, right, top, bottom;
};
constexpr double kListShare = 0.25;
constexpr double kGridShare = 90.0 / 123.0;
constexpr CAnchor kAnchors[] = {
    {IDC_CLASS_FILTER, 0, kListShare, 0, 0},
    {IDC_CLASS_LIST, 0, kListShare, 0, 1},
    {IDC_MEMBER_GRID, kListShare, 1, 0, kGridShare},
    {IDC_MEMBER_LIST, kListShare, 1, kGridShare, 1},
    {IDC_HELP_BUTTON, 1, 1, kGridShare, kGridShare},
    {IDOK, 1, 1, 1, 1},
    {IDCANCEL, 1, 1, 1, 1},
    {IDC_SEPARATOR, kListShare, 1, 1, 1},
    {IDC_CHECK_PTR_LIST, kListShare, kListShare, 1, 1},
};

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

int Moved(int edge, double share, int growth, int shift) {
  return edge + static_cast<int>(share * growth) + (share == kListShare ? shift : 0);
}

}  // namespace

void CMainLayout::Keep(HWND dialog, SIZE baseClient) {
  m_baseClient = baseClient;
  m_controls.clear();
  for (const CAnchor& anchor : kAnchors) m_controls.push_back({anchor.id, ChildRect(GetDlgItem(dialog, anchor.id))});
  m_controls.push_back({IDC_WEB_LINK, ChildRect(GetDlgItem(dialog, IDC_WEB_LINK))});
}

const RECT& CMainLayout::Base(int id) const {
  return std::find_if(m_controls.begin(), m_controls.end(), [id](const CPlacedControl& c) { return c.id == id; })->base;
}

int CMainLayout::Shift() const {
  const RECT& list = Base(IDC_CLASS_LIST);
  const int rightGrowth = m_nGrowth - static_cast<int>(kListShare * m_nGrowth);
  return std::clamp(m_nWantedShift, -static_cast<int>(list.right - list.left) / 2, rightGrowth);
}

void CMainLayout::Apply(HWND dialog, int width, int height) {
  if (!IsKept()) return;
  m_nGrowth = std::max(0, width - static_cast<int>(m_baseClient.cx));
  const int dx = m_nGrowth;
  const int dy = std::max(0, height - static_cast<int>(m_baseClient.cy));
  const int shift = Shift();
  HDWP moves = BeginDeferWindowPos(static_cast<int>(m_controls.size()));
  for (std::size_t at = 0; at < std::size(kAnchors); ++at) {
    const CAnchor& anchor = kAnchors[at];
    const RECT& base = m_controls[at].base;
    const int left = Moved(base.left, anchor.left, dx, shift);
    const int right = Moved(base.right, anchor.right, dx, shift);
    const int top = Moved(base.top, anchor.top, dy, 0);
    const int bottom = Moved(base.bottom, anchor.bottom, dy, 0);
    moves = DeferWindowPos(moves, GetDlgItem(dialog, anchor.id), nullptr, left, top, right - left, bottom - top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The link keeps the width of its text, its right edge where the resource puts it, but leaves
  // the check box beside it alone: a longer text scrolls within it.
  const HWND linkWindow = GetDlgItem(dialog, IDC_WEB_LINK);
  const RECT& link = Base(IDC_WEB_LINK);
  const RECT now = ChildRect(linkWindow);
  const int right = link.right + dx;
  const int checkBoxRight = Moved(Base(IDC_CHECK_PTR_LIST).right, kListShare, dx, shift);
  const int left = std::max(right - static_cast<int>(now.right - now.left), checkBoxRight);
  moves = DeferWindowPos(moves, linkWindow, nullptr, left, link.top + dy, right - left, link.bottom - link.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
  EndDeferWindowPos(moves);
}

void CMainLayout::Scale(int dpi) {
  auto scale = [&](LONG& value) { value = MulDiv(value, dpi, m_nDpi); };
  for (CPlacedControl& control : m_controls) {
    scale(control.base.left);
    scale(control.base.top);
    scale(control.base.right);
    scale(control.base.bottom);
  }
  scale(m_baseClient.cx);
  scale(m_baseClient.cy);
  m_nWantedShift = MulDiv(m_nWantedShift, dpi, m_nDpi);
  m_nDpi = dpi;
}

bool CMainLayout::IsOnSplitter(POINT point) const {
  if (!IsKept()) return false;
  const RECT& list = Base(IDC_CLASS_LIST);
  const RECT& grid = Base(IDC_MEMBER_GRID);
  const int split = static_cast<int>(kListShare * m_nGrowth) + Shift();
  // At least a few pixels to take hold of, however narrow the gap the resource leaves.
  const int left = static_cast<int>(std::min(list.right, grid.left - 3)) + split;
  const int right = static_cast<int>(std::max(grid.left, list.right + 3)) + split;
  return point.x >= left && point.x < right && point.y >= grid.top;
}

CSplitterEvent CMainLayout::OnSplitterMouse(HWND dialog, UINT message, POINT point) {
  if (message == WM_LBUTTONDOWN && IsOnSplitter(point)) {
    m_drag = CDrag{point.x, Shift()};
    SetCapture(dialog);
    return CSplitterEvent::kHeld;
  }
  if (!m_drag) return CSplitterEvent::kNone;
  switch (message) {
    case WM_MOUSEMOVE:
      DragTo(point.x);
      return CSplitterEvent::kMoved;
    case WM_LBUTTONUP:
      ReleaseCapture();  // which drops it below
      return CSplitterEvent::kHeld;
    case WM_CAPTURECHANGED:
      m_drag.reset();
      return CSplitterEvent::kDropped;
    default:
      return CSplitterEvent::kNone;
  }
}

bool CMainLayout::SetSplitterCursor(HWND dialog) const {
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(dialog, &point);
  if (!m_drag && !IsOnSplitter(point)) return false;
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE, in its ANSI form
  return true;
}

void CMainLayout::DragTo(int x) {
  if (!m_drag) return;
  // Kept as it is shown: dragged past an end, the splitter stays at that end when the window
  // grows later.
  m_nWantedShift = m_drag->fromShift + (x - m_drag->fromX);
  m_nWantedShift = Shift();
}

std::vector<int> CMainLayout::SplitterSizes() const {
  const RECT& list = Base(IDC_CLASS_LIST);
  const RECT& grid = Base(IDC_MEMBER_GRID);
  const int listGrowth = static_cast<int>(kListShare * m_nGrowth);
  const int shift = Shift();
  return {static_cast<int>(list.right - list.left) + listGrowth + shift,
          static_cast<int>(grid.right - grid.left) + m_nGrowth - listGrowth - shift};
}

void CMainLayout::SetSplitterSizes(const std::vector<int>& sizes) {
  if (sizes.size() != 2 || !IsKept()) return;
  const RECT& list = Base(IDC_CLASS_LIST);
  m_nWantedShift = sizes[0] - static_cast<int>(list.right - list.left) - static_cast<int>(kListShare * m_nGrowth);
}

}  // namespace varnwick
