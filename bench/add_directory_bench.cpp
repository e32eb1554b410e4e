// Add Directory on a folder of 2,000 headers (4,000 classes): through the real main window, which
// repaints the growing class list, against the catalogue alone. And Add Directory Tree on the
// generated tree of bench/tree_bench.sh (9,000 headers in 1,750 folders) through the window against
// what `varnwick-cli classes --recursive TREE` does. The tree is VARNWICK_BENCH_TREE when that is
// set, else one made by varnwick-bench-make-tree (from this program's folder) for this run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>

#include "AddDirectory.h"
#include "BenchFolder.h"
#include "CCatalogue.h"
#include "CClassListing.h"
#include "CDialogs.h"
#include "CMainDlg.h"
#include "PathLoader.h"
#include "QtBenchmarkMain.h"
#include "ShellCommands.h"

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

std::string g_program;  // argv[0]

class CBenchTree {
 public:
  CBenchTree() {
    if (const char* given = std::getenv("VARNWICK_BENCH_TREE")) {
      m_path = given;
      return;
    }
    m_made = std::filesystem::temp_directory_path() / ("varnwick-bench-tree-" + std::to_string(::getpid()));
    const std::filesystem::path maker = std::filesystem::path(g_program).parent_path() / "varnwick-bench-make-tree";
    const std::string command = maker.string() + " " + m_made.string() + " >/dev/null";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("could not make the tree: " + command);
    m_path = m_made.string();
  }
  ~CBenchTree() {
    std::error_code ignored;
    if (!m_made.empty()) std::filesystem::remove_all(m_made, ignored);
  }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
  std::filesystem::path m_made;
};

const CBenchTree& Tree() {
  static const CBenchTree tree;
  return tree;
}

// Answers the folder picker with one folder; every other window stays closed.
class CFolderOnly : public CDialogs {
 public:
  explicit CFolderOnly(std::string folder) : m_folder(std::move(folder)) {}
  std::optional<std::string> PickFolder(QWidget*, const std::string&, const std::string&) override { return m_folder; }
  void Message(QWidget*, const QString&) override {}

 private:
  std::string m_folder;
};

// The window's Add Directory (or Add Directory Tree) on `folder`, the window made and closed outside
// the timing.
void TimeWindow(benchmark::State& state, const std::string& folder, int command) {
  const auto dialogs = std::make_shared<CFolderOnly>(folder);
  std::size_t classes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<CMainDlg>(std::string(), dialogs);
    window->show();
    QApplication::processEvents();
    state.ResumeTiming();

    window->Shell().RunCommand(command);

    state.PauseTiming();
    classes = window->Shell().Catalogue().Size();
    window.reset();
    state.ResumeTiming();
  }
  state.counters["classes"] = static_cast<double>(classes);
}

void BM_CoreAddDirectory(benchmark::State& state) {
  const std::string folder = Folder().Path();
  std::size_t classes = 0;
  for (auto _ : state) {
    CCatalogue catalogue;
    AddDirectory(catalogue, folder, nullptr);
    const CClassList list = catalogue.SortedClassList();
    benchmark::DoNotOptimize(list.selectedRow);
    classes = list.rows.size();
  }
  state.counters["classes"] = static_cast<double>(classes);
}

void BM_WindowAddDirectory(benchmark::State& state) {
  TimeWindow(state, Folder().Path(), kCommandClassAddDirectory);
}

// What `varnwick-cli classes --recursive TREE` does between reading its arguments and exiting.
void BM_CliClassesTree(benchmark::State& state) {
  const std::vector<std::string> paths = {Tree().Path()};
  std::size_t bytes = 0;
  for (auto _ : state) {
    CCatalogue catalogue;
    CClassListing listing;
    catalogue.SetSink(&listing);
    std::ostringstream messages;
    LoadPaths(catalogue, paths, messages, true);
    std::ostringstream out;
    listing.Write(out);
    bytes = out.str().size();
  }
  state.counters["listing_bytes"] = static_cast<double>(bytes);
}

void BM_WindowAddDirectoryTree(benchmark::State& state) {
  TimeWindow(state, Tree().Path(), kCommandClassAddDirectoryTree);
}

BENCHMARK(BM_CoreAddDirectory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowAddDirectory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliClassesTree)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WindowAddDirectoryTree)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace varnwick

int main(int argc, char** argv) {
  varnwick::g_program = argv[0];
  return varnwick::bench::RunQtBenchmarks(argc, argv);
}
