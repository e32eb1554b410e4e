#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "CMainApp.h"

int main(int argc, char* argv[]) {
  int code = 0;
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnwick"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    varnwick::CMainApp app(arguments);
    code = app.Run();
    // Leaving this block ends the window system's side: windows go, and text still on the
    // clipboard goes to the desktop's clipboard manager.
  }
  // The process ends here, at once. Nothing is kept between runs, so what the window and its
  // catalogue hold needs no freeing one piece at a time (with a large catalogue, and in the
  // sanitizer build above all, that took seconds after the window had gone): the system takes it
  // back with the process.
  std::fflush(nullptr);
  std::_Exit(code);
}
