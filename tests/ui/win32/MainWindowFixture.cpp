#include "MainWindowFixture.h"

#include <stdexcept>

#include "ResourceIds.h"

namespace varnwick::test {

namespace {

std::string ListText(HWND list, int row) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, row, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::vector<std::string> ListRows(HWND list) {
  std::vector<std::string> rows;
  for (int row = 0; row < SendMessageA(list, LB_GETCOUNT, 0, 0); ++row) rows.push_back(ListText(list, row));
  return rows;
}

}  // namespace

void MainWindowTest::SetUpTestSuite() {
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
}

void MainWindowTest::TearDown() {
  m_window.reset();
  PumpMessages();
}

void MainWindowTest::Open(std::vector<std::string> startupFiles) {
  m_window = std::make_unique<CMainDlg>(std::move(startupFiles), m_dialogs, m_clock, m_settings);
  m_window->OnClosed([this] { m_bClosed = true; });
  // Without its window a test can only fail, and messages to a null window would reach no one.
  if (m_window->Create() == nullptr) throw std::runtime_error("the main window was not created");
  PumpMessages();
}

void MainWindowTest::Command(int id) { SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void MainWindowTest::Key(HWND target, WPARAM key, bool shift, bool control) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = control ? 0x80 : 0;
  SetKeyboardState(state);
  MSG message{target, WM_KEYDOWN, key, 1, 0, {}};
  if (!m_window->PreTranslateMessage(message)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  state[VK_SHIFT] = 0;
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  PumpMessages();
}

std::vector<std::string> MainWindowTest::ClassRows() const { return ListRows(Item(IDC_CLASS_LIST)); }
std::vector<std::string> MainWindowTest::MemberListRows() const { return ListRows(Item(IDC_MEMBER_LIST)); }

std::vector<std::string> MainWindowTest::GridColumn(int column) const {
  std::vector<std::string> texts;
  const HWND grid = Item(IDC_MEMBER_GRID);
  for (int row = 0; row < SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0); ++row) {
    char text[256] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(grid, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    texts.emplace_back(text);
  }
  return texts;
}

std::vector<int> MainWindowTest::GridStates() const {
  std::vector<int> states;
  const HWND grid = Item(IDC_MEMBER_GRID);
  for (int row = 0; row < SendMessageA(grid, LVM_GETITEMCOUNT, 0, 0); ++row)
    states.push_back(static_cast<int>(SendMessageA(grid, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12) - 1);
  return states;
}

int MainWindowTest::GridSelection() const {
  return static_cast<int>(SendMessageA(Item(IDC_MEMBER_GRID), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

POINT MainWindowTest::GridPoint(int row, int x) const {
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  SendMessageA(Item(IDC_MEMBER_GRID), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
  return {bounds.left + x, (bounds.top + bounds.bottom) / 2};
}

// The release is queued first: the list view waits for it after a press, to tell a click from a drag.
void MainWindowTest::GridMouse(UINT message, POINT point) {
  const HWND grid = Item(IDC_MEMBER_GRID);
  PostMessageA(grid, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  SendMessageA(grid, message, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PumpMessages();
}

}  // namespace varnwick::test
