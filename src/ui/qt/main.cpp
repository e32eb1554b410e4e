#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "CMainApp.h"
#include "CStartupArguments.h"
#include "UiText.h"

int main(int argc, char* argv[]) {
  // The usage is told before the window system is reached, so that it needs no display.
  const std::vector<std::string> raw(argv + (argc > 0 ? 1 : 0), argv + argc);
  if (varnwick::ReadStartupArguments(raw).help) {
    std::cout << varnwick::StartupUsage("varnwick");
    return 0;
  }
  int code = 0;
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnwick"));
    // What is left once Qt has taken its own options.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments()) arguments.push_back(varnwick::ToBytes(argument));
    if (!arguments.empty()) arguments.erase(arguments.begin());
    const varnwick::CStartupArguments read = varnwick::ReadStartupArguments(arguments);
    if (read.unknownOption) {
      std::cerr << varnwick::UnknownOptionText("varnwick", *read.unknownOption);
      return 2;
    }
    varnwick::CMainApp app(read.files);
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
