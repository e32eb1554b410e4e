#pragma once

#include <windows.h>

#include <string>

#include "CShellHost.h"

namespace varnwick {

// The status line at the foot of the main window: what the last command did and the selected
// class's header; during a folder read, its progress and a "Cancel" button in their place.
class CMainStatusBar {
 public:
  // Creates the line and its button (a child of the window, so that the window gets its click).
  void Create(HWND window);
  HWND Handle() const { return m_hWnd; }
  HWND CancelButton() const { return m_hCancel; }
  int Height() const;
  // Along the window's foot, `width` wide, its bottom at `bottom`.
  void Place(int width, int bottom);

  void ShowStatus(const CStatusLine& status);
  void ShowProgress(const std::string& text);
  void HideProgress();
  bool ShowsProgress() const { return m_bProgress; }
  // The text of one part of the line: 0 the message or progress, 1 the class's header.
  std::string PartText(int part) const;

 private:
  void SetParts();

  HWND m_hWnd = nullptr;
  HWND m_hCancel = nullptr;
  bool m_bProgress = false;
  CStatusLine m_status;
};

}  // namespace varnwick
