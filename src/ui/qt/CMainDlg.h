#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AddDirectory.h"
#include "CCatalogue.h"
#include "CDialogs.h"
#include "CDropTarget.h"
#include "CMainMenus.h"

class QAction;
class QCheckBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QSplitter;

namespace varnwick {

class CClassFilterEdit;
class CClassListBox;
class CFolderReader;
class CHyperLinkEdit;
class CListBox;
class CMemberGridCtrl;
class CMemberViews;
class CReadProgress;

// The program's one window: the loaded classes, the members of the selected class, the setting
// and every command. It owns the catalogue.
class CMainDlg : public QDialog {
  Q_OBJECT

 public:
  // Each start-up file is loaded as Add loads a header; `dialogs` shows the modal windows, null
  // meaning the real ones.
  explicit CMainDlg(std::vector<std::string> startupFiles, std::shared_ptr<CDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
  // One start-up file, none when empty.
  explicit CMainDlg(const std::string& startupFile = {}, std::shared_ptr<CDialogs> dialogs = nullptr,
                    QWidget* parent = nullptr);
  ~CMainDlg() override;

  const CCatalogue& Catalogue() const { return m_catalogue; }
  bool CheckPtrList() const { return m_bCheckPtrList; }
  // The record on the class list's selected row, or null.
  const CClassInfo* SelectedClass() const;
  // The members as the member list shows them: the order every generator walks.
  std::vector<const CMemberInfo*> MembersInListOrder() const;
  // The state the grid shows for a member name; 1 when no row shows it.
  int FindMemberState(const std::string& name) const;
  // The context menu as it opens, for whoever shows or inspects it.
  QMenu* ContextMenu() const { return m_menus.ContextMenu(); }
  QMenuBar* MenuBar() const { return m_menus.MenuBar(); }
  // Where Shift+F10 and the Menu key open the context menu, in screen coordinates.
  QPoint KeyboardMenuPoint() const;
  bool IsReadingFolder() const;

 public slots:
  void OnClassAdd();
  void OnClassAddDirectory();
  void OnClassAddDirectoryTree();
  void OnClassDelete();
  void OnClassDeleteAll();
  void OnClassReload();
  void OnGenerate(int commandId);
  void OnCheckPtrList();
  void OnAbout();
  void OnHelp();
  void OnSelchangeClassList();
  void OnFilterChanged();
  void OnDropped(const std::vector<varnwick::CDroppedPath>& paths);
  void OpenContextMenu(const QPoint& screenPoint);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOut();
  void ConnectSignals();
  void ConfigureGrid();
  void LoadStartupFiles(const std::vector<std::string>& files);
  void ShowDeferredMessages();
  void RunCommand(int commandId);
  bool ConfirmQuit();

  // Catalogue views.
  void FillClassList();
  void ShowSelectedClass();
  // Reads a header into the catalogue; false when it has no class. A header over the size limit
  // shows its message (at once, or with `deferred` once the window shows) and sets `tooLarge`.
  bool AddFile(const std::string& path, bool& tooLarge, bool deferred = false);
  QString FileTooLargeText(const std::string& path) const;
  // Add Directory and Add Directory Tree, and a folder dropped on the window.
  void ReadFolder(const std::string& folder, CFolderDepth depth);
  void AddFolder(CFolderDepth depth);

  std::shared_ptr<CDialogs> m_dialogs;
  CCatalogue m_catalogue;
  bool m_bCheckPtrList = true;
  std::vector<QString> m_deferredMessages;    // start-up messages, shown once the window is
  bool m_bCloseAfterRead = false;
  CMainMenus m_menus;

  QWidget* m_client = nullptr;
  QPushButton* m_quit = nullptr;
  QPushButton* m_cancel = nullptr;
  CClassFilterEdit* m_filter = nullptr;
  CClassListBox* m_classList = nullptr;
  CListBox* m_memberList = nullptr;
  QWidget* m_memberHolder = nullptr;
  CMemberGridCtrl* m_grid = nullptr;
  std::unique_ptr<CMemberViews> m_memberViews;
  QCheckBox* m_checkPtrList = nullptr;
  QWidget* m_separator = nullptr;
  QPushButton* m_help = nullptr;
  CHyperLinkEdit* m_link = nullptr;
  QSplitter* m_splitter = nullptr;
  CReadProgress* m_progress = nullptr;
  CFolderReader* m_reader = nullptr;
  CDropTarget* m_dropTarget = nullptr;
};

}  // namespace varnwick
