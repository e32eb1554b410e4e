// Add Directory on a folder of 2,000 headers (4,000 classes): through the real main window, which
// repaints the growing class list, against the catalogue alone, as the command-line tool reads it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AddDirectory.h"
#include "BenchFolder.h"
#include "CCatalogue.h"
#include "CDialogs.h"
#include "CMainDlg.h"
#include "QtBenchmarkMain.h"

namespace varnwick {
namespace {

constexpr int kHeaders = 2000;

std::string Header(int header) {
  return bench::BenchClass(bench::SpreadClassName(header, 0, "Item")) +
         bench::BenchClass(bench::SpreadClassName(header, 1, "Item"));
}

const bench::CBenchFolder& Folder() {
  static const bench::CBenchFolder folder("add-directory", kHeaders, Header);
  return folder;
}

// Answers the folder picker with the benchmark folder; every other window stays closed.
class CFolderOnly : public CDialogs {
 public:
  std::optional<std::string> PickFolder(QWidget*, const std::string&) override { return Folder().Path(); }
  void Message(QWidget*, const QString&) override {}
};

void BM_CoreAddDirectory(benchmark::State& state) {
  const std::string folder = Folder().Path();
  std::size_t classes = 0;
  for (auto _ : state) {
    CCatalogue catalogue;
    AddDirectory(catalogue, folder, nullptr);
    const CClassList list = catalogue.FillClassList();
    benchmark::DoNotOptimize(list.selectedRow);
    classes = list.rows.size();
  }
  state.counters["classes"] = static_cast<double>(classes);
}

void BM_WindowAddDirectory(benchmark::State& state) {
  Folder();
  const auto dialogs = std::make_shared<CFolderOnly>();
  std::size_t classes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<CMainDlg>(std::string(), dialogs);
    window->show();
    QApplication::processEvents();
    state.ResumeTiming();

    window->OnClassAddDirectory();

    state.PauseTiming();
    classes = window->Catalogue().Size();
    window.reset();
    state.ResumeTiming();
  }
  state.counters["classes"] = static_cast<double>(classes);
}

BENCHMARK(BM_CoreAddDirectory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowAddDirectory)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnwick

int main(int argc, char** argv) { return varnwick::bench::RunQtBenchmarks(argc, argv); }
