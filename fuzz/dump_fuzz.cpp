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

// Whether `bytes` is one well-formed UTF-8 character, as the JSON reader judges it.
bool IsOneUtf8Character(std::string_view bytes) {
  return nlohmann::json::accept("\"" + std::string(bytes) + "\"");
}

// The documented mapping, checked byte by byte against the original.
bool MapsTo(std::string_view original, std::string_view json) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < original.size();) {
    const auto byte = static_cast<unsigned char>(original[i]);
    std::size_t length = 1;
    if (byte >= 0x80) {
      length = 0;
      for (std::size_t candidate = 2; candidate <= 4 && i + candidate <= original.size() && length == 0; ++candidate) {
        if (IsOneUtf8Character(original.substr(i, candidate))) length = candidate;
      }
    }
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
