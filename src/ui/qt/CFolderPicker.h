#pragma once

#include <string>

class QWidget;

namespace varnwick {

// Lets the user choose one existing folder.
class CFolderPicker {
 public:
  // True with m_strFolder set to the chosen folder's full path; false when cancelled.
  bool Browse(QWidget* owner = nullptr);

  std::string m_strFolder;  // output
  std::string m_strStart;   // where browsing starts; empty means the home folder
  std::string m_strTitle;   // instruction shown to the user; empty means "Open"
};

}  // namespace varnwick
