#pragma once

#include "CDialogWindow.h"
#include "CHyperLinkEdit.h"

namespace varnwick {

// Dialog 100: the program's icon, name and version, and a link to the README beside it.
class CAboutDlg : public CDialogWindow {
 public:
  CAboutDlg();
  CHyperLinkEdit& Link() { return m_link; }

 private:
  void OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  CHyperLinkEdit m_link;
};

}  // namespace varnwick
