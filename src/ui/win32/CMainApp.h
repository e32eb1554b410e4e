#pragma once

#include <string>
#include <vector>

namespace varnwick {

// The program: the common controls, the main window with the start-up files, and the message loop
// that runs until the window closes.
class CMainApp {
 public:
  explicit CMainApp(std::vector<std::string> startupFiles) : m_startupFiles(std::move(startupFiles)) {}
  // The program's exit code.
  int Run();

 private:
  std::vector<std::string> m_startupFiles;
};

}  // namespace varnwick
