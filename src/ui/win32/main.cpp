#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "CMainApp.h"
#include "CStartupArguments.h"

namespace {

// A program of the Windows subsystem has no console to print on: its usage and its complaints
// about the command line go into a message box.
void Tell(const std::string& text, UINT icon) { MessageBoxA(nullptr, text.c_str(), "Varnwick", MB_OK | icon); }

}  // namespace

// The arguments as the C run-time splits the command line, in the ANSI code page.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::vector<std::string> arguments(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
  const varnwick::CStartupArguments read = varnwick::ReadStartupArguments(arguments);
  if (read.help) {
    Tell(varnwick::StartupUsage("varnwick"), MB_ICONINFORMATION);
    return 0;
  }
  if (read.unknownOption) {
    Tell(varnwick::UnknownOptionText("varnwick", *read.unknownOption), MB_ICONERROR);
    return 2;
  }
  return varnwick::CMainApp(read.files).Run();
}
