// The headers that cost most for their size: each is as large as the size limit allows and built
// to hit one path of the reader or the generators as often as it can.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "CCatalogue.h"
#include "CClassInfo.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MemberStates.h"

namespace varnwick {
namespace {

// One class whose lines `line(i)` fill the header up to the size limit.
template <typename Line>
std::string FillHeader(Line line) {
  std::string text = "class CWorst\r\n{\r\n";
  for (int i = 0; text.size() + 64 < kMaxHeaderBytes; ++i) text += line(i);
  return text + "z;\r\n};\r\n";
}

// One declaration continued over 115,000 lines: each line ends in "," and is joined to the next.
void BM_ContinuationChain(benchmark::State& state) {
  const std::string text = FillHeader([](int i) { return (i == 0 ? "int a" : "a") + std::to_string(i) + ",\r\n"; });
  std::size_t members = 0;
  for (auto _ : state) {
    CClassInfo record;
    record.LoadFromText(text);
    members = record.m_pMembers.size();
  }
  state.counters["members"] = static_cast<double>(members);
}

// 53,000 list members of as many plain-named types: in the list form each type is looked up in the
// whole header.
void BM_DistinctListTypes(benchmark::State& state) {
  const std::string text = FillHeader([](int i) { return "XList" + std::to_string(i) + " m" + std::to_string(i) + ";\r\n"; });
  const std::string path = "/tmp/varnwick-worst-case-" + std::to_string(::getpid()) + ".h";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  CCatalogue catalogue;
  catalogue.AddFile(path);
  const CClassInfo& record = catalogue.At(0);
  const std::vector<const CMemberInfo*> members = MemberListOrder(record);
  const CMemberStateIndex states(InitialMemberRows(record));
  for (auto _ : state) {
    const auto generated = Generate(GeneratorKind::Serialize, record, members,
                                    [&states](const std::string& name) { return states.Find(name); }, true);
    benchmark::DoNotOptimize(generated);
  }
  state.counters["members"] = static_cast<double>(members.size());
  std::remove(path.c_str());
}

BENCHMARK(BM_ContinuationChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistinctListTypes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace varnwick

BENCHMARK_MAIN();
