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

class QAction;
class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QMenuBar;
class QPushButton;

namespace varnwick {

class CHyperLinkEdit;
class CMemberGridCtrl;

// The program's one window: the loaded classes, the members of the selected class, the setting
// and every command. It owns the catalogue.
class CMainDlg : public QDialog, private CAddDirectoryListener {
  Q_OBJECT

 public:
  // `dialogs` shows the modal windows; null means the real ones.
  explicit CMainDlg(std::string startupFile = {}, std::shared_ptr<CDialogs> dialogs = nullptr,
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
  QMenu* ContextMenu() const { return m_contextMenu; }
  QMenuBar* MenuBar() const { return m_menuBar; }
  // Where Shift+F10 and the Menu key open the context menu, in screen coordinates.
  QPoint KeyboardMenuPoint() const;

 public slots:
  void OnClassAdd();
  void OnClassAddDirectory();
  void OnClassDelete();
  void OnClassDeleteAll();
  void OnGenerate(int commandId);
  void OnCheckPtrList();
  void OnAbout();
  void OnHelp();
  void OnSelchangeClassList();
  void OpenContextMenu(const QPoint& screenPoint);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool IsIgnoredListBoxPress(QObject* watched, QEvent* event) const;

 private:
  void CreateControls();
  void CreateMenuBar();
  void CreateContextMenu();
  void AddGenerateItems(QMenu& menu);
  QAction* AddCommand(QMenu& menu, const QString& text, int commandId);
  void ConnectSignals();
  void ConfigureGrid();
  void LoadStartupFile();
  void KeepLinkInside();
  void RunCommand(int commandId);

  // Catalogue views.
  void FillClassList();
  void ShowClassList(const CClassList& list);
  void ShowMembers(const CClassInfo* record);
  void ShowSelectedClass();
  void ClearMemberViews();
  int SelectedClassRow() const;
  void SelectClassRow(std::optional<std::size_t> row);
  // Reads a header into the catalogue; false when it has no class. A header over the size limit
  // shows its message and ends the command: then `tooLarge` is set.
  bool AddFile(const std::string& path, bool& tooLarge);
  void ShowFileTooLarge(const std::string& path);

  // Add Directory: inserts each new record at its sorted place rather than refilling the list.
  void OnFileRead(const std::string& path, bool foundClasses) override;
  QListWidgetItem* InsertClassRow(const CClassInfo& record);
  // Selects what a refill would select, after the folder has been read or the read has ended.
  void FinishAddDirectory();

  std::string m_strStartupFile;
  std::shared_ptr<CDialogs> m_dialogs;
  CCatalogue m_catalogue;
  bool m_bCheckPtrList = true;
  std::size_t m_nShownRecords = 0;  // records already in the class list during Add Directory
  qint64 m_nLastRepaint = 0;
  QListWidgetItem* m_pendingSelection = nullptr;  // the row a refill would select now

  QWidget* m_client = nullptr;
  QMenuBar* m_menuBar = nullptr;
  QMenu* m_contextMenu = nullptr;
  QPushButton* m_quit = nullptr;
  QPushButton* m_cancel = nullptr;
  QListWidget* m_classList = nullptr;
  QListWidget* m_memberList = nullptr;
  CMemberGridCtrl* m_grid = nullptr;
  QCheckBox* m_checkPtrList = nullptr;
  QPushButton* m_help = nullptr;
  CHyperLinkEdit* m_link = nullptr;
  std::vector<std::pair<QAction*, int>> m_commands;
};

}  // namespace varnwick
