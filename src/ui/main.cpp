#include <QApplication>

#include "CMainApp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Varnwick"));
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  varnwick::CMainApp app(arguments);
  return app.Run();
}
