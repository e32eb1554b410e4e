// Loads arbitrary bytes as a header file and runs all twelve generators on every class it holds,
// with check states and the list switch taken from the input, so list members are resolved
// against the input itself. Every body must end in "\r\n" and hold no bare "\n"; one generator
// of each class, picked by the input, must come out the same twice; a class yields a text exactly
// when it has members; the index of the grid's states answers as a search of the grid does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CCatalogue.h"
#include "FuzzSupport.h"
#include "Generator.h"
#include "HeaderFile.h"
#include "ListOrder.h"
#include "MemberStates.h"

namespace {

using namespace varnwick;
using fuzz::Require;

void CheckLineEnds(const std::string& body) {
  Require(body.ends_with("\r\n"), "the body ends in \\r\\n");
  for (std::size_t at = body.find('\n'); at != std::string::npos; at = body.find('\n', at + 1)) {
    Require(at > 0 && body[at - 1] == '\r', "no bare \\n in the body");
  }
}

// The grid as a user may have left it: each row's state picked by an input byte.
std::vector<CMemberRow> RowsFromInput(const CClassInfo& record, std::string_view input, std::size_t classIndex) {
  std::vector<CMemberRow> rows = InitialMemberRows(record);
  if (input.empty()) return rows;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rows[row].state = static_cast<unsigned char>(input[(row * 31 + classIndex) % input.size()]) % 3;
  }
  return rows;
}

void GenerateAll(const CClassInfo& record, const std::vector<CMemberRow>& rows, bool checkPtrList, std::size_t repeated) {
  const CMemberStateIndex index(rows);
  const MemberStateLookup state = [&index](const std::string& name) { return index.Find(name); };
  const std::vector<const CMemberInfo*> members = MemberListOrder(record);
  for (const CMemberInfo* member : members) {
    Require(index.Find(member->m_strName) == FindMemberState(rows, member->m_strName), "the index finds the grid's state");
  }
  for (std::size_t g = 0; g < AllGenerators().size(); ++g) {
    const GeneratorKind kind = AllGenerators()[g].kind;
    const auto first = Generate(kind, record, members, state, checkPtrList);
    Require(first.has_value() == !members.empty(), "a text exactly when the class has members");
    // Each run reads and indexes the header again for its list members, half the time of the
    // whole input: one generator of each class, picked by the input, runs twice.
    if (g == repeated) {
      const auto second = Generate(kind, record, members, state, checkPtrList);
      Require(first.has_value() == second.has_value(), "both runs agree whether there is a text");
      if (first) Require(first->body == second->body && first->declaration == second->declaration, "two runs, same bytes");
    }
    if (!first) continue;
    CheckLineEnds(first->body);
    Require(first->declaration.find('\n') == std::string::npos, "the declaration is one line");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::CScratchFolder folder("generate-fuzz");
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string path = folder.Write("input.h", input);
  CCatalogue catalogue;
  try {
    catalogue.AddFile(path);
  } catch (const CFileTooLarge&) {
    return 0;  // only with a -max_len beyond the size limit
  }
  const bool checkPtrList = size == 0 || (data[size - 1] & 1) != 0;
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    const CClassInfo& record = catalogue.At(i);
    GenerateAll(record, RowsFromInput(record, input, i), checkPtrList, (i + size) % AllGenerators().size());
  }
  return 0;
}
