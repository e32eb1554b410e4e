// Every generator over a large class whose list members resolve through typedef lines at the
// end of a header of the largest size the system reads.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "CClassInfo.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MemberStates.h"

namespace {

using namespace varnwick;

constexpr int kMembers = 500;
constexpr int kLists = 100;

std::string OrdinaryMember(int i) {
  static const char* const kForms[] = {"int m_n%d;",   "CString m_str%d;", "CWnd* m_pWnd%d;",
                                       "double m_d%d;", "static long s_l%d;", "CTime m_t%d;",
                                       "BOOL m_b%d;",  "const int m_k%d;"};
  char line[64];
  std::snprintf(line, sizeof line, kForms[i % 8], i);
  return line;
}

void AppendAll(std::string& out, std::initializer_list<std::string_view> pieces) {
  for (std::string_view piece : pieces) out.append(piece);
}

std::string LargeHeader() {
  std::string text = "class CLarge : public CObject\r\n{\r\npublic:\r\n";
  for (int i = 0; i < kLists; ++i) {
    const std::string n = std::to_string(i);
    AppendAll(text, {"\tCItem", n, "List m_list", n, ";\r\n"});
  }
  for (int i = kLists; i < kMembers; ++i) AppendAll(text, {"\t", OrdinaryMember(i), "\r\n"});
  text.append("};\r\n");

  std::string typedefs;
  for (int i = 0; i < kLists; ++i) {
    const std::string n = std::to_string(i);
    AppendAll(typedefs, {"typedef CTypedPtrList<CPtrList, CItem", n, "*> CItem", n, "List;\r\n"});
  }
  const std::string_view padding = "// filler text that no search matches, kept to reach the size\r\n";
  while (text.size() + padding.size() + typedefs.size() <= kMaxHeaderBytes) text.append(padding);
  text.append(kMaxHeaderBytes - text.size() - typedefs.size(), ' ');
  text.append(typedefs);
  return text;
}

struct LargeClass {
  std::string path;
  std::string text;
  CClassInfo record;
  std::vector<const CMemberInfo*> members;
  std::vector<CMemberRow> rows;

  LargeClass() {
    path = (std::filesystem::temp_directory_path() / "varnwick_generate_bench.h").string();
    std::ofstream(path, std::ios::binary) << LargeHeader();
    record.m_strFile = path;
    if (!record.LoadFromFile(text) || record.m_pMembers.size() != kMembers) {
      throw std::runtime_error("benchmark header did not parse into 500 members");
    }
    if (text.size() != kMaxHeaderBytes) throw std::runtime_error("benchmark header has the wrong size");
    members = MemberListOrder(record);
    rows = InitialMemberRows(record);
    for (CMemberRow& row : rows) {
      if (row.name.starts_with("m_list")) row.state = kCheckList;
    }
    // The figures mean something only when every list really resolved through the header.
    const std::string body = Generate(GeneratorKind::Serialize, record, members, Lookup(), true)->body;
    if (body.find("CBaseClass") != std::string::npos || body.find("Check This") != std::string::npos ||
        body.find("\t\tCItem99* pBase; ") == std::string::npos) {
      throw std::runtime_error("benchmark list members did not resolve");
    }
  }

  MemberStateLookup Lookup() const {
    return [this](const std::string& name) { return FindMemberState(rows, name); };
  }
  ~LargeClass() { std::remove(path.c_str()); }
};

LargeClass& Shared() {
  static LargeClass large;
  return large;
}

void BM_Generate(benchmark::State& state, GeneratorKind kind) {
  LargeClass& large = Shared();
  const MemberStateLookup lookup = large.Lookup();
  for (auto _ : state) {
    std::optional<GeneratedText> text = Generate(kind, large.record, large.members, lookup, true);
    benchmark::DoNotOptimize(text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (const GeneratorInfo& info : AllGenerators()) {
    benchmark::RegisterBenchmark(("Generate/" + std::string(info.cliName)).c_str(), BM_Generate, info.kind)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
