#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CFakeDialogs.h"
#include "CMainDlg.h"
#include "WindowsTempDir.h"

namespace varnwick::test {

// Headers the tests read: members whose names sort differently with and without case.
inline constexpr std::string_view kPointHeader =
    "class CPoint3 : public CObject\r\n{\r\npublic:\r\n\tint m_c;\r\n\tCString M_b;\r\n\tdouble m_a;\r\n"
    "\tCObject* m_pNext;\r\n};\r\n";
inline constexpr std::string_view kShapeHeader =
    "class CShape : public CObject\r\n{\r\npublic:\r\n\tint m_nSides;\r\n\tCString m_strName;\r\n};\r\n";

// The real main window, created in the test's thread with fake modal windows, driven by messages.
class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void TearDown() override;

  void Open(std::vector<std::string> startupFiles = {});
  HWND Window() const { return m_window->Handle(); }
  HWND Item(int id) const { return GetDlgItem(Window(), id); }
  CMainShell& Shell() { return m_window->Shell(); }

  // A command as a menu entry sends it.
  void Command(int id);
  // A key as the message loop gets it, Shift or Ctrl held; whatever the window does not take
  // before dispatching is dispatched.
  void Key(HWND target, WPARAM key, bool shift = false, bool control = false);

  std::vector<std::string> ClassRows() const;
  std::vector<std::string> MemberListRows() const;
  std::vector<std::string> GridColumn(int column) const;
  std::vector<int> GridStates() const;
  int GridSelection() const;
  // A point inside a grid row: at `x` pixels from the row's left edge, halfway down.
  POINT GridPoint(int row, int x) const;
  void GridMouse(UINT message, POINT point);

  std::shared_ptr<CFakeDialogs> m_dialogs = std::make_shared<CFakeDialogs>();
  std::shared_ptr<CMemorySettings> m_settings = std::make_shared<CMemorySettings>();
  CShellClock m_clock = SteadyClock();
  std::unique_ptr<CMainDlg> m_window;
  bool m_bClosed = false;
  WindowsTempDir m_temp{true};
};

}  // namespace varnwick::test
