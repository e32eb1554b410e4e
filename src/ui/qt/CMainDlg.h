#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "CDialogs.h"
#include "CMainMenus.h"
#include "CMainShell.h"
#include "CShellHost.h"
#include "CWindowSettings.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSplitter;

namespace varnwick {

class CClassFilterEdit;
class CClassListBox;
class CDropTarget;
class CHyperLinkEdit;
class CListBox;
class CMainStatusBar;
class CMemberGridCtrl;
class CMemberViews;
class CReadInputGuard;
class CReadStatusLine;

// The program's one window: its controls, which hand the user's commands to the shell, and the
// painting of what the shell holds.
class CMainDlg : public QDialog, private CShellHost {
  Q_OBJECT

 public:
  // Each start-up file is loaded as Add loads a header; `dialogs` shows the modal windows, null
  // meaning the real ones; `clock` times folder reads; `settings` keeps the windows' places and the
  // dialogs' folders between runs, null keeping them for this window only.
  explicit CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr, CShellClock clock = SteadyClock(),
                    std::shared_ptr<CSettingsStore> settings = nullptr);
  // One start-up file, none when empty.
  explicit CMainDlg(const std::string& startupFile = {}, std::shared_ptr<CDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
  ~CMainDlg() override;

  CMainShell& Shell() { return *m_shell; }
  const CMainShell& Shell() const { return *m_shell; }
  // The context menu as it opens, for whoever shows or inspects it.
  QMenu* ContextMenu() const { return m_menus.ContextMenu(); }
  QMenuBar* MenuBar() const { return m_menus.MenuBar(); }
  // Where Shift+F10 and the Menu key open the context menu, in screen coordinates.
  QPoint KeyboardMenuPoint() const;
  void OpenContextMenu(const QPoint& screenPoint);

 public slots:
  // Keeps the window's place before it closes.
  void done(int result) override;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOut();
  void SetTabOrder();
  void ConnectSignals();
  // Closes with `result` when the shell lets the window close.
  void CloseIfAllowed(CCloseRequest request, int result);
  // The place and splitter the user left the window with, where the settings keep usable ones.
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

  std::shared_ptr<CDialogs> m_dialogs;
  std::shared_ptr<CSettingsStore> m_settingsStore;  // before the shell, which uses it
  CWindowSettings m_windowSettings;
  CMainMenus m_menus;
  bool m_bShown = false;
  std::unique_ptr<CMainShell> m_shell;

  QWidget* m_client = nullptr;
  QPushButton* m_quit = nullptr;
  CClassFilterEdit* m_filter = nullptr;
  CClassListBox* m_classList = nullptr;
  CListBox* m_memberList = nullptr;
  QWidget* m_memberHolder = nullptr;
  CMemberGridCtrl* m_grid = nullptr;
  std::unique_ptr<CMemberViews> m_memberViews;
  QCheckBox* m_checkPtrList = nullptr;
  QFrame* m_separator = nullptr;
  QPushButton* m_help = nullptr;
  CHyperLinkEdit* m_link = nullptr;
  QSplitter* m_splitter = nullptr;
  CMainStatusBar* m_statusBar = nullptr;
  CReadStatusLine* m_progress = nullptr;
  CReadInputGuard* m_inputGuard = nullptr;
  CDropTarget* m_dropTarget = nullptr;
};

}  // namespace varnwick
