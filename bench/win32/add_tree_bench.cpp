// Add Directory Tree in the real Windows main window, as the user starts it from the menu, with
// the folder browser answered by the command line: the read with its progress, the list growing
// in its sorted places and the repaints, until the window takes commands again. Prints the best
// wall time of RUNS reads, each in a new window, and the classes the last one listed.
//   varnwick-bench-win32-add-tree FOLDER [RUNS]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "CDialogs.h"
#include "CMainDlg.h"
#include "ShellCommands.h"

namespace {

// Answers the folder browser with the benchmark's folder; any message box would stop the run.
class CTreeDialogs : public varnwick::CDialogs {
 public:
  explicit CTreeDialogs(std::string folder) : m_folder(std::move(folder)) {}
  std::optional<std::string> PickFolder(HWND, const std::string&, const std::string&) override { return m_folder; }
  void Message(HWND, const std::string& text) override { std::fprintf(stderr, "message: %s\n", text.c_str()); }
  void DetailedMessage(HWND, const std::string& summary, const std::string&) override { Message(nullptr, summary); }

 private:
  std::string m_folder;
};

struct CRun {
  double seconds = 0;
  std::size_t classes = 0;
};

CRun ReadTreeOnce(const std::string& folder) {
  varnwick::CMainDlg window({}, std::make_shared<CTreeDialogs>(folder));
  if (window.Create() == nullptr) {
    std::fprintf(stderr, "varnwick-bench-win32-add-tree: the main window was not created\n");
    std::exit(1);
  }
  const auto start = std::chrono::steady_clock::now();
  SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(varnwick::kCommandClassAddDirectoryTree, 0), 0);
  // The read's own message loop ends with it; the list it leaves is painted after.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  UpdateWindow(window.Handle());
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  return {took.count(), window.Shell().Catalogue().Size()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: varnwick-bench-win32-add-tree FOLDER [RUNS]\n");
    return 2;
  }
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const int runs = argc == 3 ? std::max(1, std::atoi(argv[2])) : 3;
  CRun best;
  for (int run = 0; run < runs; ++run) {
    const CRun now = ReadTreeOnce(argv[1]);
    if (run == 0 || now.seconds < best.seconds) best = now;
  }
  std::printf("%.2f s best of %d, %zu classes\n", best.seconds, runs, best.classes);
  return 0;
}
