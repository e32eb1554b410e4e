#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CClassListBox.h"
#include "CDialogWindow.h"
#include "CDialogs.h"
#include "CHyperLinkEdit.h"
#include "CMainLayout.h"
#include "CMainMenus.h"
#include "CMainShell.h"
#include "CMainStatusBar.h"
#include "CMemberGridCtrl.h"
#include "CMemberViews.h"
#include "CShellHost.h"
#include "CWindowSettings.h"

namespace varnwick {

// The program's one window (dialog 102): its controls hand the user's commands to the shell, and
// it paints what the shell holds.
class CMainDlg : public CDialogWindow, private CShellHost {
 public:
  // Each start-up file is loaded as Add loads a header; `dialogs` shows the modal windows, null
  // meaning the real ones; `clock` times folder reads; `settings` keeps the windows' places and the
  // dialogs' folders between runs, null keeping them for this window only.
  explicit CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs = nullptr,
                    CShellClock clock = SteadyClock(), std::shared_ptr<CSettingsStore> settings = nullptr);
  ~CMainDlg() override;

  // Creates and shows the window; the start-up files are read meanwhile.
  HWND Create();
  // Told once the window has gone.
  void OnClosed(std::function<void()> closed) { m_closed = std::move(closed); }
  // The message loop hands every message here before it dispatches it; true when it was used.
  bool PreTranslateMessage(MSG& message);

  CMainShell& Shell() { return *m_shell; }
  const CMainShell& Shell() const { return *m_shell; }
  const CMainStatusBar& StatusBar() const { return m_statusBar; }
  const CMemberGridCtrl& Grid() const { return m_grid; }
  const CClassListBox& ClassList() const { return m_classList; }
  HMENU ContextMenu() const { return m_menus.ContextMenu(); }
  // Where Shift+F10 and the context-menu key open the context menu, in screen coordinates.
  POINT KeyboardMenuPoint() const;

  // Sent to the window once it shows: the shell then tells the start-up problems and places the focus.
  static constexpr UINT kWindowShownMessage = WM_APP + 1;

 private:
  void OnInitDialog() override;
  void OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void AttachControls();
  void AddAboutToSystemMenu();
  void OnControlCommand(int id, int code);
  bool OnNotify(NMHDR& header);
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  bool OnMeasureItem(MEASUREITEMSTRUCT& item);
  bool OnKeyDown(const MSG& message);
  bool OnFilterKey(WPARAM key);
  void OnDropFiles(HDROP drop);
  void OpenContextMenu(POINT screenPoint);
  void CloseIfAllowed(CCloseRequest request);
  // Holds back the user's input during a folder read, but Cancel's and Escape's.
  bool HeldBackDuringRead(const MSG& message);

  // Every control keeps its distance to the edges it stands by; the lists and the grid grow.
  void KeepLayoutBase();
  void LayOut(int width, int height);
  void LayOutAgain();
  bool OnSplitterMouse(UINT message, POINT point);
  void OnDpiChanged(int dpi, const RECT& suggested);
  void RestorePlacement();
  void RestoreSplitter();
  void KeepPlacement();

  // CShellHost
  void ShowClassList() override;
  void InsertClassRow(std::size_t row) override;
  void ShowClassRow(std::size_t row) override;
  void ShowSelection(bool bringIntoView) override;
  void ShowMembers() override;
  void ShowMemberState(std::size_t gridRow) override;
  void ShowCheckPtrList() override;
  void ShowProgress(const CReadProgress& progress) override;
  void HideProgress() override;
  void Refresh() override;
  void ShowStatus(const CStatusLine& status) override;
  void PlaceFocus(CFocusTarget target) override;
  void CloseWindow() override;
  std::optional<std::string> ChooseHeaderFile(const std::string& startFolder) override;
  std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) override;
  bool Ask(const std::string& question) override;
  void ShowMessage(const std::string& text) override;
  void ShowDetailedMessage(const std::string& summary, const std::string& details) override;
  void ShowText(const GeneratedText& text) override;
  void ShowAbout() override;
  void ShowLegend() override;

  std::vector<std::string> m_startupFiles;
  std::shared_ptr<CDialogs> m_dialogs;
  std::shared_ptr<CSettingsStore> m_settingsStore;  // before the shell, which uses it
  CWindowSettings m_windowSettings;
  std::unique_ptr<CMainShell> m_shell;
  CMainMenus m_menus;
  HIMAGELIST m_memberIcons = nullptr;
  HICON m_hIcon = nullptr;
  HICON m_hSmallIcon = nullptr;
  CClassListBox m_classList;
  CMemberGridCtrl m_grid;
  std::unique_ptr<CMemberViews> m_memberViews;
  CHyperLinkEdit m_link;
  CMainStatusBar m_statusBar;
  CMainLayout m_layout;
  SIZE m_baseClient{};   // the work area above the status line, as the resource lays it out
  int m_nDpi = USER_DEFAULT_SCREEN_DPI;  // of the screen the layout's pixels are for
  SIZE m_minimumSize{};  // the window at its resource size: it grows, never shrinks below
  std::function<void()> m_closed;
};

}  // namespace varnwick
