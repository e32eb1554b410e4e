#pragma once

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace varnwick {

// The main window's menu bar and context menu. Every entry carries its command id as its data;
// the generate commands carry their generator's id.
class CMainMenus {
 public:
  enum Command : int {
    kClassAdd = 32771,
    kClassDelete = 32772,
    kClassDeleteAll = 32773,
    kClassAddDirectory = 32774,
    kGenerateHeading = 32796,
    kCheckPtrList = 32797,
    kAbout = 32798,
    kClassAddDirectoryTree = 32799,
    kClassReload = 32800,
  };

  explicit CMainMenus(QWidget* window);

  QMenuBar* MenuBar() const { return m_menuBar; }
  QMenu* ContextMenu() const { return m_contextMenu; }

 private:
  void CreateMenuBar(QWidget* window);
  void CreateContextMenu(QWidget* window);
  static QAction* AddCommand(QMenu& menu, const char* text, int commandId);
  static void AddGenerateItems(QMenu& menu);

  QMenuBar* m_menuBar = nullptr;
  QMenu* m_contextMenu = nullptr;
};

}  // namespace varnwick
