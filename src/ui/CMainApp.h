#pragma once

#include <QStringList>
#include <string>

namespace varnwick {

// Keeps the start-up file named on the command line and runs the main window.
class CMainApp {
 public:
  // `arguments` without the program name.
  explicit CMainApp(const QStringList& arguments);

  const std::string& StartupFile() const { return m_strStartupFile; }
  // Runs the main window until it closes; answers the program's exit code.
  int Run();

 private:
  std::string m_strStartupFile;
};

}  // namespace varnwick
