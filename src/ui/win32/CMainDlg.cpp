#include "CMainDlg.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "CDocumentation.h"
#include "ImageStrips.h"
#include "ResourceIds.h"
#include "ShellCommands.h"
#include "WindowText.h"

namespace varnwick {

namespace {

// The keyboard opens the context menu this far inside the client area's corner.
constexpr int kMenuKeyOffset = 5;

BOOL CALLBACK AddScreen(HMONITOR monitor, HDC, LPRECT, LPARAM screens) {
  MONITORINFO info{sizeof(MONITORINFO), {}, {}, 0};
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& work = info.rcWork;
    reinterpret_cast<std::vector<CScreenArea>*>(screens)->push_back(
        {work.left, work.top, work.right - work.left, work.bottom - work.top});
  }
  return TRUE;
}

bool IsShiftF10(const MSG& message) {
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  return keyDown && message.wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) != 0;
}

bool IsButton(HWND control) {
  const LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
  return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

}  // namespace

CMainDlg::CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs, CShellClock clock,
                   std::shared_ptr<CSettingsStore> settings)
    : CDialogWindow(IDD_MAIN),
      m_startupFiles(std::move(startupFiles)),
      m_dialogs(dialogs ? std::move(dialogs) : std::make_shared<CDialogs>()),
      m_settingsStore(settings ? std::move(settings) : std::make_shared<CMemorySettings>()),
      m_windowSettings(*m_settingsStore),
      m_shell(std::make_unique<CMainShell>(static_cast<CShellHost&>(*this), std::move(clock), m_settingsStore.get())) {}

CMainDlg::~CMainDlg() {
  if (Handle() != nullptr) DestroyWindow(Handle());
  if (m_memberIcons != nullptr) ImageList_Destroy(m_memberIcons);
  if (m_hIcon != nullptr) DestroyIcon(m_hIcon);
  if (m_hSmallIcon != nullptr) DestroyIcon(m_hSmallIcon);
}

HWND CMainDlg::Create() {
  const HWND window = CDialogWindow::Create(nullptr);
  if (window != nullptr) PostMessageA(window, kWindowShownMessage, 0, 0);
  return window;
}

void CMainDlg::OnInitDialog() {
  AddAboutToSystemMenu();
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  m_hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                          GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  m_hSmallIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
  // The work area as the resource lays it out, before the menu bar takes its height from it.
  RECT client{};
  GetClientRect(Handle(), &client);
  m_baseClient = {client.right, client.bottom};
  m_nDpi = static_cast<int>(GetDpiForWindow(Handle()));
  SetMenu(Handle(), m_menus.TakeMenuBar());
  AttachControls();
  KeepLayoutBase();
  RestorePlacement();
  RestoreSplitter();
  DragAcceptFiles(Handle(), TRUE);
  m_shell->LoadStartupFiles(m_startupFiles);
}

void CMainDlg::AddAboutToSystemMenu() {
  char text[256] = {};
  if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof(text)) <= 0) return;
  const HMENU system = GetSystemMenu(Handle(), FALSE);
  AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(system, MF_STRING, kCommandAboutBox, text);
}

void CMainDlg::AttachControls() {
  m_classList.Attach(Item(IDC_CLASS_LIST), *m_shell);
  m_memberIcons = LoadMemberIcons();
  m_grid.Attach(Item(IDC_MEMBER_GRID), m_memberIcons);
  m_grid.InsertColumns("Class", "Member");
  m_grid.ShareWidth();
  m_grid.SetCheckBoxes(true);
  m_grid.OnToggle([this](int row) { m_shell->ToggleMemberState(static_cast<std::size_t>(row)); });
  m_grid.OnSort([this](int column) { m_shell->SortMembers(column); });
  m_memberViews = std::make_unique<CMemberViews>(Item(IDC_MEMBER_LIST), m_grid);
  CheckDlgButton(Handle(), IDC_CHECK_PTR_LIST, m_shell->CheckPtrList() ? BST_CHECKED : BST_UNCHECKED);
  SendMessageW(Item(IDC_CLASS_FILTER), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(L"Filter classes"));
  m_link.Attach(Item(IDC_WEB_LINK));
  const std::string documents = CDocumentation::Folder();
  m_link.SetLink(documents, documents);
  m_link.SetTeller([this](const std::string& message) { m_dialogs->Message(Handle(), message); });
  m_statusBar.Create(Handle());
}

// The window as the resource lays it out, with the menu bar above and the status line below.
void CMainDlg::KeepLayoutBase() {
  m_layout.Keep(Handle(), m_baseClient);
  RECT window{0, 0, m_baseClient.cx, m_baseClient.cy + m_statusBar.Height()};
  AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), TRUE,
                     static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
  m_minimumSize = {window.right - window.left, window.bottom - window.top};
  SetWindowPos(Handle(), nullptr, 0, 0, m_minimumSize.cx, m_minimumSize.cy, SWP_NOMOVE | SWP_NOZORDER);
}

// On a screen of another density the controls stand where the resource puts them at that density.
void CMainDlg::OnDpiChanged(int dpi, const RECT& suggested) {
  m_layout.Scale(dpi);
  m_minimumSize = {MulDiv(m_minimumSize.cx, dpi, m_nDpi), MulDiv(m_minimumSize.cy, dpi, m_nDpi)};
  m_nDpi = dpi;
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDlg::LayOut(int width, int height) {
  if (!m_layout.IsKept()) return;
  m_layout.Apply(Handle(), width, height - m_statusBar.Height());
  m_grid.ShareWidth();
  m_statusBar.Place(width, height);
}

void CMainDlg::LayOutAgain() {
  RECT client{};
  GetClientRect(Handle(), &client);
  LayOut(client.right, client.bottom);
}

void CMainDlg::RestorePlacement() {
  std::vector<CScreenArea> screens;
  EnumDisplayMonitors(nullptr, nullptr, AddScreen, reinterpret_cast<LPARAM>(&screens));
  const std::optional<CWindowPlacement> kept = m_windowSettings.MainWindow(screens);
  if (!kept) return;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(Handle(), &placement);
  placement.rcNormalPosition = {kept->x, kept->y, kept->x + std::max<int>(kept->width, m_minimumSize.cx),
                                kept->y + std::max<int>(kept->height, m_minimumSize.cy)};
  placement.showCmd = kept->maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  SetWindowPlacement(Handle(), &placement);
}

// Once the window has its size, which bounds the splitter.
void CMainDlg::RestoreSplitter() {
  const std::optional<std::vector<int>> sizes = m_windowSettings.SplitterSizes();
  if (!sizes) return;
  m_layout.SetSplitterSizes(*sizes);
  LayOutAgain();
}

// The whole window's rectangle, not only its client area: Windows places windows by it.
void CMainDlg::KeepPlacement() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  if (!GetWindowPlacement(Handle(), &placement)) return;
  const RECT& normal = placement.rcNormalPosition;
  m_windowSettings.SetMainWindow({normal.left, normal.top, normal.right - normal.left, normal.bottom - normal.top,
                                  placement.showCmd == SW_SHOWMAXIMIZED});
}

void CMainDlg::OnCommand(int id, int code, HWND control) {
  if (control != nullptr) {
    OnControlCommand(id, code);
    return;
  }
  // A menu entry or a shortcut.
  m_shell->RunCommand(id);
}

void CMainDlg::OnControlCommand(int id, int code) {
  switch (id) {
    case IDOK:
      CloseIfAllowed(CCloseRequest::kQuitButton);
      break;
    case IDCANCEL:
      CloseIfAllowed(CCloseRequest::kEscape);
      break;
    case IDC_HELP_BUTTON:
      m_shell->RunCommand(kCommandHelp);
      break;
    case IDC_READ_CANCEL:
      m_shell->CancelRead();
      break;
    case IDC_CHECK_PTR_LIST:
      if (code == BN_CLICKED) m_shell->SetCheckPtrList(IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
      break;
    case IDC_CLASS_LIST:
      if (code == LBN_SELCHANGE) m_shell->SelectClassRow(m_classList.SelectedRow());
      break;
    case IDC_CLASS_FILTER:
      if (code == EN_CHANGE) m_shell->SetFilter(DialogItemText(Handle(), id));
      break;
    default:
      break;
  }
}

void CMainDlg::CloseIfAllowed(CCloseRequest request) {
  if (!m_shell->RequestClose(request)) return;
  KeepPlacement();
  End(IDOK);
}

bool CMainDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  result = 0;
  switch (message) {
    case WM_CLOSE:
      CloseIfAllowed(CCloseRequest::kCloseBox);
      return true;
    case WM_DESTROY:
      if (m_closed) m_closed();
      return false;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != kCommandAboutBox) return false;
      m_shell->RunCommand(kCommandAboutBox);
      return true;
    case WM_CONTEXTMENU:
      OpenContextMenu(lParam == -1 ? KeyboardMenuPoint()
                                   : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return true;
    case WM_DRAWITEM:
      result = TRUE;
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
      result = TRUE;
      return OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) != m_link.Handle() || m_link.Handle() == nullptr) return false;
      result = reinterpret_cast<INT_PTR>(m_link.Colour(reinterpret_cast<HDC>(wParam)));
      return true;
    case WM_SIZE:
      LayOut(LOWORD(lParam), HIWORD(lParam));
      return true;
    case WM_GETMINMAXINFO:
      if (m_minimumSize.cx == 0) return false;
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {m_minimumSize.cx, m_minimumSize.cy};
      return true;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return true;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) != Handle() || LOWORD(lParam) != HTCLIENT) return false;
      result = m_layout.SetSplitterCursor(Handle());
      return result != FALSE;
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      return OnSplitterMouse(message, POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return true;
    case kWindowShownMessage:
      m_shell->WindowShown();
      return true;
    default:
      return false;
  }
}

// Where the splitter's drag ends is kept.
bool CMainDlg::OnSplitterMouse(UINT message, POINT point) {
  switch (m_layout.OnSplitterMouse(Handle(), message, point)) {
    case CSplitterEvent::kNone:
      return false;
    case CSplitterEvent::kMoved:
      LayOutAgain();
      return true;
    case CSplitterEvent::kDropped:
      m_windowSettings.SetSplitterSizes(m_layout.SplitterSizes());
      return true;
    default:
      return true;
  }
}

bool CMainDlg::OnNotify(NMHDR& header) {
  if (header.hwndFrom == m_grid.Handle()) {
    m_grid.OnNotify(header);
    return true;
  }
  if (header.hwndFrom == m_classList.ToolTip() && header.code == TTN_GETDISPINFOA) {
    m_classList.OnToolTipText(reinterpret_cast<NMTTDISPINFOA&>(header));
    return true;
  }
  return false;
}

bool CMainDlg::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == IDC_MEMBER_GRID)
    m_grid.DrawItem(item);
  else if (item.CtlID == IDC_CLASS_LIST)
    m_classList.DrawItem(*m_shell, item);
  else
    return false;
  return true;
}

bool CMainDlg::OnMeasureItem(MEASUREITEMSTRUCT& item) {
  if (item.CtlID == IDC_MEMBER_GRID && m_grid.Handle() != nullptr) {
    m_grid.MeasureItem(item);
    return true;
  }
  return false;  // the class list's rows are as high as its font
}

void CMainDlg::OnDropFiles(HDROP drop) {
  std::vector<CDroppedPath> paths;
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT at = 0; at < count; ++at) {
    std::string path(DragQueryFileA(drop, at, nullptr, 0) + 1, '\0');
    path.resize(DragQueryFileA(drop, at, path.data(), static_cast<UINT>(path.size())));
    const DWORD attributes = GetFileAttributesA(path.c_str());
    const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    paths.push_back({path, folder});
  }
  DragFinish(drop);
  m_shell->Drop(paths);
}

POINT CMainDlg::KeyboardMenuPoint() const {
  POINT point{kMenuKeyOffset, kMenuKeyOffset};
  ClientToScreen(Handle(), &point);
  return point;
}

void CMainDlg::OpenContextMenu(POINT screenPoint) {
  if (!m_shell->TakesCommands()) return;
  const int command = m_dialogs->PopupMenu(Handle(), m_menus.ContextMenu(), screenPoint);
  if (command != 0) m_shell->RunCommand(command);
}

bool CMainDlg::PreTranslateMessage(MSG& message) {
  if (Handle() == nullptr || (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd))) return false;
  if (IsShiftF10(message)) {
    OpenContextMenu(KeyboardMenuPoint());
    return true;
  }
  if (message.message == WM_KEYDOWN && OnKeyDown(message)) return true;
  if (TranslateAcceleratorA(Handle(), m_menus.Accelerators(), &message)) return true;
  return IsDialogMessageA(Handle(), &message) != FALSE;
}

// The keys the dialog's own handling would take otherwise, or that only some controls know.
bool CMainDlg::OnKeyDown(const MSG& message) {
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  const bool alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (alt) return false;
  if (control && !shift && message.wParam == 'F') {
    SetFocus(Item(IDC_CLASS_FILTER));
    SendMessageA(Item(IDC_CLASS_FILTER), EM_SETSEL, 0, -1);
    return true;
  }
  if (control || shift) return false;
  if (message.hwnd == Item(IDC_CLASS_FILTER) && OnFilterKey(message.wParam)) return true;
  if (message.wParam == VK_DELETE && message.hwnd == m_classList.Handle()) {
    m_shell->RunCommand(kCommandClassDelete);
    return true;
  }
  if (message.wParam == VK_RETURN && !IsButton(message.hwnd)) {
    CloseIfAllowed(CCloseRequest::kEnter);
    return true;
  }
  return false;
}

// Escape empties a filter that holds text; Enter and Down go on to the list it filters.
bool CMainDlg::OnFilterKey(WPARAM key) {
  if (key == VK_ESCAPE && GetWindowTextLengthA(Item(IDC_CLASS_FILTER)) > 0) {
    SetDlgItemTextA(Handle(), IDC_CLASS_FILTER, "");
    return true;
  }
  if (key == VK_RETURN || key == VK_DOWN) {
    SetFocus(m_classList.Handle());
    return true;
  }
  return false;
}

bool CMainDlg::HeldBackDuringRead(const MSG& message) {
  const bool key = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  const bool mouse = message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST;
  if (!key && !mouse) return false;
  if (message.hwnd == m_statusBar.CancelButton()) return false;
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) m_shell->RequestClose(CCloseRequest::kEscape);
  return true;
}

void CMainDlg::ShowClassList() { m_classList.Show(*m_shell); }
void CMainDlg::InsertClassRow(std::size_t row) { m_classList.InsertRow(*m_shell, row); }
void CMainDlg::ShowClassRow(std::size_t row) { m_classList.ShowRow(row); }
void CMainDlg::ShowSelection(bool bringIntoView) { m_classList.ShowSelection(*m_shell, bringIntoView); }
void CMainDlg::ShowMembers() { m_memberViews->Show(m_shell->Members()); }
void CMainDlg::ShowMemberState(std::size_t gridRow) { m_memberViews->ShowState(m_shell->Members(), gridRow); }

void CMainDlg::ShowCheckPtrList() {
  CheckDlgButton(Handle(), IDC_CHECK_PTR_LIST, m_shell->CheckPtrList() ? BST_CHECKED : BST_UNCHECKED);
}

void CMainDlg::ShowProgress(const CReadProgress& progress) { m_statusBar.ShowProgress(progress.text); }
void CMainDlg::HideProgress() { m_statusBar.HideProgress(); }

// Paints what changed and lets Cancel through; every other input waits for the read's end.
void CMainDlg::Refresh() {
  m_classList.ResumePainting();
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (HeldBackDuringRead(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void CMainDlg::ShowStatus(const CStatusLine& status) { m_statusBar.ShowStatus(status); }

void CMainDlg::PlaceFocus(CFocusTarget target) {
  SetFocus(target == CFocusTarget::kFilter ? Item(IDC_CLASS_FILTER) : m_classList.Handle());
}

// Later, not inside the command that asked: the close box then finds no read under way.
void CMainDlg::CloseWindow() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

std::optional<std::string> CMainDlg::ChooseHeaderFile(const std::string& startFolder) {
  return m_dialogs->OpenHeaderFile(Handle(), startFolder);
}
std::optional<std::string> CMainDlg::ChooseFolder(const std::string& title, const std::string& startFolder) {
  return m_dialogs->PickFolder(Handle(), title, startFolder);
}
bool CMainDlg::Ask(const std::string& question) { return m_dialogs->Ask(Handle(), question); }
void CMainDlg::ShowMessage(const std::string& text) { m_dialogs->Message(Handle(), text); }
void CMainDlg::ShowDetailedMessage(const std::string& summary, const std::string& details) {
  m_dialogs->DetailedMessage(Handle(), summary, details);
}
void CMainDlg::ShowText(const GeneratedText& text) { m_dialogs->ShowText(Handle(), text, m_windowSettings); }
void CMainDlg::ShowAbout() { m_dialogs->ShowAbout(Handle()); }
void CMainDlg::ShowLegend() { m_dialogs->ShowLegend(Handle()); }

}  // namespace varnwick
