#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "CClassInfo.h"
#include "HeaderFile.h"
#include "HeaderGenerator.h"

namespace varnwick {
namespace {

const std::string& Header() {
  static const std::string text = bench::MakeHeader(kMaxHeaderBytes);
  return text;
}

// The bundled example header repeated to the size limit: the mix of comments, functions and
// members of a real application's headers, rather than a wall of members.
const std::string& ExampleHeader() {
  static const std::string text = [] {
    const std::optional<std::string> example = ReadHeaderFile(VARNWICK_EXAMPLE_HEADER);
    std::string repeated;
    while (example && !example->empty() && repeated.size() + example->size() <= kMaxHeaderBytes) {
      repeated += *example;
    }
    return repeated;
  }();
  return text;
}

// The floor: counting the header's lines with memchr.
void CountLines(benchmark::State& state, const std::string& text) {
  for (auto _ : state) {
    std::size_t lines = 0;
    const char* at = text.data();
    const char* end = text.data() + text.size();
    while (const void* newline = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
      ++lines;
      at = static_cast<const char*>(newline) + 1;
    }
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

// Every class of the header, each parse starting on the unread rest of the one before, as a
// header is loaded.
void ParseAllClasses(benchmark::State& state, const std::string& text) {
  std::size_t classes = 0;
  std::size_t members = 0;
  std::vector<std::unique_ptr<CClassInfo>> records;
  for (auto _ : state) {
    std::string_view rest = text;
    while (!rest.empty()) {
      auto record = std::make_unique<CClassInfo>();
      if (!record->LoadFromText(rest)) break;
      rest = record->m_strRest;
      records.push_back(std::move(record));
    }
    // Freeing the records is not parsing: keep it out of the measurement.
    state.PauseTiming();
    classes = records.size();
    members = 0;
    for (const auto& record : records) members += record->m_pMembers.size();
    records.clear();
    state.ResumeTiming();
  }
  state.counters["classes"] = static_cast<double>(classes);
  state.counters["members"] = static_cast<double>(members);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}

void BM_CountLinesWithMemchr(benchmark::State& state) { CountLines(state, Header()); }
void BM_ParseAllClasses(benchmark::State& state) { ParseAllClasses(state, Header()); }
void BM_CountLinesWithMemchr_Example(benchmark::State& state) { CountLines(state, ExampleHeader()); }
void BM_ParseAllClasses_Example(benchmark::State& state) { ParseAllClasses(state, ExampleHeader()); }

BENCHMARK(BM_CountLinesWithMemchr)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseAllClasses)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountLinesWithMemchr_Example)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseAllClasses_Example)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace varnwick

BENCHMARK_MAIN();
