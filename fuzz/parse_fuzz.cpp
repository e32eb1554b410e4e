// Feeds arbitrary bytes to the header parser the way a header is loaded: every class of the text,
// each parse starting on the unread rest of the one before. It must never crash, never loop, and
// never hand back a rest that is not a strictly shorter tail of what it was given. A count-only
// parse of the same text must find the same class, member count and rest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CClassInfo.h"
#include "ListElementResolver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string_view rest = text;
  while (!rest.empty()) {
    varnwick::CClassInfo record;
    if (!record.LoadFromText(rest)) break;
    const std::string_view next = record.m_strRest;
    if (!next.empty() && (next.size() >= rest.size() || next.data() != rest.data() + (rest.size() - next.size()))) {
      std::abort();
    }
    varnwick::CClassInfo counted;
    if (!counted.LoadFromText(rest, varnwick::CMemberDetail::kCount) || counted.m_strName != record.m_strName ||
        counted.m_strBase != record.m_strBase || counted.MemberCount() != record.m_pMembers.size() ||
        counted.m_strRest.data() != next.data()) {
      std::abort();
    }
    for (const auto& member : record.m_pMembers) {
      varnwick::FindDeclarationLine(text, member->m_strType);
    }
    rest = next;
  }
  return 0;
}
