// Add Directory on a folder of 2,000 headers (4,000 classes): through the real main window, which
// repaints the growing class list, against the catalogue alone, as the command-line tool reads it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "AddDirectory.h"
#include "CCatalogue.h"
#include "CDialogs.h"
#include "CMainDlg.h"

namespace varnwick {
namespace {

constexpr int kHeaders = 2000;

// Class names spread over the alphabet, so the list grows at every place and not only at its end.
std::string ClassName(int header, int klass) {
  const unsigned mixed = static_cast<unsigned>(header * 7919 + klass * 104729) % 17576u;
  std::string name = "C";
  name += static_cast<char>('A' + mixed % 26);
  name += static_cast<char>('a' + mixed / 26 % 26);
  name += static_cast<char>('a' + mixed / 676);
  return name + "Item" + std::to_string(header) + "_" + std::to_string(klass);
}

std::string Header(int header) {
  std::string text;
  for (int klass = 0; klass < 2; ++klass) {
    const std::string name = ClassName(header, klass);
    text += "class " + name + " : public CObject\r\n{\r\npublic:\r\n\t" + name + "();\r\n";
    text += "\tCString m_strName;\r\n\tint m_nCount, m_nLimit;\r\n\tCWnd* m_pParent;\r\n";
    text += "\tCTypedPtrList<CPtrList, CItem*> m_items;\r\n\tstatic const int s_nVersion;\r\n};\r\n";
  }
  return text;
}

class CBenchFolder {
 public:
  CBenchFolder() {
    m_path = std::filesystem::temp_directory_path() / ("varnwick-add-directory-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_path);
    for (int header = 0; header < kHeaders; ++header) {
      char file[32];
      std::snprintf(file, sizeof file, "header%04d.h", header);
      std::ofstream(m_path / file, std::ios::binary) << Header(header);
    }
  }
  ~CBenchFolder() { std::filesystem::remove_all(m_path); }
  std::string Path() const { return m_path.string(); }

 private:
  std::filesystem::path m_path;
};

const CBenchFolder& Folder() {
  static const CBenchFolder folder;
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

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
