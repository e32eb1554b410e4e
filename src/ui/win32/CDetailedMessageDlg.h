#pragma once

#include <string>

#include "CDialogWindow.h"

namespace varnwick {

// A message with one "OK" button whose details stand in a box of their own that scrolls, so that
// the window never grows taller than the screen, however long the list.
class CDetailedMessageDlg : public CDialogWindow {
 public:
  CDetailedMessageDlg(std::string summary, std::string details);

 private:
  void OnInitDialog() override;

  std::string m_strSummary;
  std::string m_strDetails;
};

}  // namespace varnwick
