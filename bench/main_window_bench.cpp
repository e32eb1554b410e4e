// The desktop program with 10,000 classes loaded into its real main window (drawn offscreen): how
// long selecting a class, Delete Class, Delete All and a generate command take, each up to the
// point where the window has repainted (a generate command up to where its text window would
// open). Each should stay under 100 ms. Also a generate command on the densest class a header
// may hold.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "BenchFolder.h"
#include "CDialogs.h"
#include "CMainDlg.h"
#include "QtBenchmarkMain.h"
#include "ShellCommands.h"

namespace varnwick {
namespace {

constexpr int kHeaders = 50;
constexpr int kClassesPerHeader = 200;
constexpr int kSerializeCommand = 32775;

std::string Header(int header) {
  std::string text;
  for (int klass = 0; klass < kClassesPerHeader; ++klass) text += bench::BenchClass(bench::SpreadClassName(header, klass, "Doc"));
  return text;
}

const bench::CBenchFolder& Folder() {
  static const bench::CBenchFolder folder("main-window", kHeaders, Header);
  return folder;
}

// Answers the folder picker with the benchmark folder and keeps each text that would be shown.
class CBenchDialogs : public CDialogs {
 public:
  std::optional<std::string> PickFolder(QWidget*, const std::string&, const std::string&) override { return Folder().Path(); }
  void Message(QWidget*, const QString&) override {}
  void ShowText(QWidget*, const GeneratedText& text, CWindowSettings&) override { bodyBytes += text.body.size(); }
  std::size_t bodyBytes = 0;
};

// The main window, shown; Load() reads every header of the folder into it (Add Directory).
struct CLoadedWindow {
  explicit CLoadedWindow(bool load = true)
      : dialogs(std::make_shared<CBenchDialogs>()), window(std::make_unique<CMainDlg>(std::string(), dialogs)) {
    window->show();
    QApplication::processEvents();
    classList = window->findChild<QListWidget*>("1000");
    if (load) Load();
  }
  void Load() {
    window->Shell().RunCommand(kCommandClassAddDirectory);
    QApplication::processEvents();
  }
  std::shared_ptr<CBenchDialogs> dialogs;
  std::unique_ptr<CMainDlg> window;
  QListWidget* classList = nullptr;
};

void Report(benchmark::State& state, const CLoadedWindow& loaded) {
  state.counters["classes"] = static_cast<double>(loaded.window->Shell().Catalogue().Size());
}

void BM_LoadFolder(benchmark::State& state) {
  Folder();
  for (auto _ : state) {
    state.PauseTiming();
    auto loaded = std::make_unique<CLoadedWindow>(false);
    state.ResumeTiming();
    loaded->Load();
    state.PauseTiming();
    Report(state, *loaded);
    loaded.reset();
    state.ResumeTiming();
  }
}

void BM_SelectClass(benchmark::State& state) {
  const CLoadedWindow loaded;
  const int rows = loaded.classList->count();
  int row = 0;
  for (auto _ : state) {
    row = (row + rows / 3 + 1) % rows;
    loaded.classList->setCurrentRow(row);  // a user's selection: the members follow
    QApplication::processEvents();
  }
  Report(state, loaded);
}

void BM_DeleteClass(benchmark::State& state) {
  const CLoadedWindow loaded;
  for (auto _ : state) {
    state.PauseTiming();
    loaded.classList->setCurrentRow(loaded.classList->count() / 2);
    QApplication::processEvents();
    state.ResumeTiming();
    loaded.window->Shell().RunCommand(kCommandClassDelete);
    QApplication::processEvents();
  }
  Report(state, loaded);
}

void BM_DeleteAll(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto loaded = std::make_unique<CLoadedWindow>();
    state.counters["classes"] = static_cast<double>(loaded->window->Shell().Catalogue().Size());
    state.ResumeTiming();
    loaded->window->Shell().RunCommand(kCommandClassDeleteAll);
    QApplication::processEvents();
    state.PauseTiming();
    loaded.reset();
    state.ResumeTiming();
  }
}

void BM_GenerateSerialize(benchmark::State& state) {
  const CLoadedWindow loaded;
  loaded.classList->setCurrentRow(loaded.classList->count() / 2);
  for (auto _ : state) {
    loaded.window->Shell().RunCommand(kSerializeCommand);
    QApplication::processEvents();
  }
  Report(state, loaded);
  state.counters["body_bytes"] = static_cast<double>(loaded.dialogs->bodyBytes) / static_cast<double>(state.iterations());
}

// The densest class of distinct names the size limit allows, about 128,000 members on one line:
// every member's state is looked up in the grid.
void BM_GenerateDenseClass(benchmark::State& state) {
  std::string text = "class CDense\r\n{\r\n\tint m_0";
  for (int i = 1; text.size() < 1048000; ++i) text += ",m_" + std::to_string(i);
  const std::filesystem::path path = std::filesystem::path(Folder().Path()).parent_path() /
                                     ("varnwick-dense-" + std::to_string(::getpid()) + ".h");
  std::ofstream(path, std::ios::binary) << text << ";\r\n};\r\n";
  const auto dialogs = std::make_shared<CBenchDialogs>();
  CMainDlg window(path.string(), dialogs);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    window.Shell().RunCommand(kSerializeCommand);
    QApplication::processEvents();
  }
  state.counters["members"] = static_cast<double>(window.Shell().Catalogue().At(0).m_pMembers.size());
  std::filesystem::remove(path);
}

BENCHMARK(BM_LoadFolder)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteClass)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_GenerateSerialize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateDenseClass)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnwick

int main(int argc, char** argv) { return varnwick::bench::RunQtBenchmarks(argc, argv); }
