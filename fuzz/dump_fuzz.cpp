// Loads arbitrary bytes as a header the way `varnwick-cli dump` does and prints the catalogue as
// JSON. The text must be the one the whole document dumps, always valid JSON, and every name,
// base, type and member line in the document must hold exactly the bytes the parser read: each
// well-formed UTF-8 sequence as it is, each other byte as the character of the same value
// (U+0080 to U+00FF).
#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "CCatalogue.h"
#include "CatalogueJson.h"
#include "FuzzSupport.h"
#include "PathLoader.h"

namespace {

using namespace varnwick;
using fuzz::Require;

// The length of the well-formed UTF-8 character at the start of `bytes`, or 0: Unicode's table of
// well-formed byte sequences (no overlong form, no surrogate, nothing past U+10FFFF), written out
// here as the standard gives it. Asking the JSON reader instead, up to three times for each byte
// over 0x7F, took some 40 % of the target's time; the reader still judges the whole dump.
std::size_t Utf8Length(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const auto follows = [&](std::size_t i, unsigned char low, unsigned char high) {
    return i < bytes.size() && at(i) >= low && at(i) <= high;
  };
  const unsigned char lead = at(0);
  if (lead >= 0xC2 && lead <= 0xDF) return follows(1, 0x80, 0xBF) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
    return follows(1, low, high) && follows(2, 0x80, 0xBF) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
    return follows(1, low, high) && follows(2, 0x80, 0xBF) && follows(3, 0x80, 0xBF) ? 4 : 0;
  }
  return 0;
}

// The documented mapping, checked byte by byte against the original.
bool MapsTo(std::string_view original, std::string_view json) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < original.size();) {
    const auto byte = static_cast<unsigned char>(original[i]);
    std::size_t length = 1;
    if (byte >= 0x80) length = Utf8Length(original.substr(i));
    std::string expected;
    if (length > 0) {
      expected = original.substr(i, length);
      i += length;
    } else {
      expected = {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
      ++i;
    }
    if (json.substr(at, expected.size()) != expected) return false;
    at += expected.size();
  }
  return at == json.size();
}

void CheckText(const nlohmann::json& value, std::string_view original) {
  Require(value.is_string(), "a text is a JSON string");
  Require(MapsTo(original, value.get_ref<const std::string&>()), "a text holds what the parser read");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::CScratchFolder folder("dump-fuzz");
  const std::string path = folder.Write("input.h", std::string_view(reinterpret_cast<const char*>(data), size));
  CCatalogue catalogue;
  std::ostringstream messages;
  // One thread: a second one started per input cost most of the run, and reading ahead changes
  // nothing but the time a load takes.
  LoadPaths(catalogue, {path}, messages, false, CLoadThreads::kOne);
  std::ostringstream written;
  WriteCatalogueJson(catalogue, written);
  const std::string text = written.str();
  // The text is the document's dump and valid JSON, so the document's texts are the ones it
  // holds: they are checked there instead of in a third tree parsed back from the text.
  const nlohmann::json dump = CatalogueToJson(catalogue);
  Require(text == dump.dump(2), "written piece by piece as the document dumps it");
  Require(nlohmann::json::accept(text), "the dump is valid JSON");
  const nlohmann::json& classes = dump.at("classes");
  Require(classes.size() == catalogue.Size(), "one entry per class");
  for (std::size_t i = 0; i < catalogue.Size(); ++i) {
    const CClassInfo& record = catalogue.At(i);
    CheckText(classes[i].at("name"), record.m_strName);
    CheckText(classes[i].at("base"), record.m_strBase);
    const nlohmann::json& members = classes[i].at("members");
    Require(members.size() == record.m_pMembers.size(), "one entry per member");
    for (std::size_t m = 0; m < record.m_pMembers.size(); ++m) {
      CheckText(members[m].at("name"), record.m_pMembers[m]->m_strName);
      CheckText(members[m].at("type"), record.m_pMembers[m]->m_strType);
      CheckText(members[m].at("line"), record.m_pMembers[m]->LineText());
    }
  }
  return 0;
}
