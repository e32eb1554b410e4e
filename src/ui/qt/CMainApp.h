#pragma once

#include <string>
#include <utility>
#include <vector>

namespace varnwick {

// Keeps the start-up files named on the command line and runs the main window.
class CMainApp {
 public:
  // The headers to load at start, each verbatim.
  explicit CMainApp(std::vector<std::string> startupFiles) : m_startupFiles(std::move(startupFiles)) {}

  const std::vector<std::string>& StartupFiles() const { return m_startupFiles; }
  // Runs the main window until it closes; answers the program's exit code. The window and its
  // catalogue are not freed: the program ends with them.
  int Run();

 private:
  std::vector<std::string> m_startupFiles;
};

}  // namespace varnwick
