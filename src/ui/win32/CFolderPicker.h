#pragma once

#include <windows.h>

#include <string>

namespace varnwick {

// The desktop's folder browser: only folders of the file system can be chosen.
class CFolderPicker {
 public:
  // `title` stands above the tree ("Open" when empty); `startFolder` is selected when it opens.
  CFolderPicker(std::string title, std::string startFolder)
      : m_strTitle(std::move(title)), m_strStartFolder(std::move(startFolder)) {}

  // True with the chosen folder filled in; false when the user cancels or the browser fails.
  bool Browse(HWND owner);
  const std::string& ChosenFolder() const { return m_strChosenFolder; }

 private:
  static int CALLBACK OnBrowserEvent(HWND browser, UINT event, LPARAM, LPARAM self);

  std::string m_strChosenFolder;
  std::string m_strTitle;
  std::string m_strStartFolder;
};

}  // namespace varnwick
