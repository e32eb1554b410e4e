#include "CatalogueJson.h"

#include <nlohmann/json.hpp>
#include <string_view>
#include <unordered_map>

#include "ListOrder.h"
#include "Utf8Text.h"

namespace varnwick {
namespace {

constexpr int kIndent = 2;

nlohmann::json MemberToJson(const CMemberInfo& member) {
  return {
      {"name", ToValidUtf8(member.m_strName)},   {"type", ToValidUtf8(member.m_strType)},
      {"pointer", member.m_bPointer},            {"static", member.m_bStatic},
      {"const", member.m_bConst},                {"dialog", member.m_bDialog},
      {"check_state", member.m_nCheckState},     {"shown_state", member.ShownCheckState()},
      {"icon", member.IconIndex()},              {"line", ToValidUtf8(member.LineText())},
  };
}

// The header-order index of each member, in member-list order.
std::vector<std::size_t> MemberOrder(const CClassInfo& record) {
  std::unordered_map<const CMemberInfo*, std::size_t> index;
  for (std::size_t i = 0; i < record.m_pMembers.size(); ++i) index[record.m_pMembers[i].get()] = i;
  std::vector<std::size_t> order;
  order.reserve(record.m_pMembers.size());
  for (const CMemberInfo* member : MemberListOrder(record)) order.push_back(index[member]);
  return order;
}

nlohmann::json ClassToJson(const CClassInfo& record) {
  nlohmann::json members = nlohmann::json::array();
  for (const auto& member : record.m_pMembers) members.push_back(MemberToJson(*member));
  return {
      {"name", ToValidUtf8(record.m_strName)}, {"base", ToValidUtf8(record.m_strBase)},
      {"file", ToValidUtf8(record.m_strFile)}, {"members", std::move(members)},
      {"member_order", MemberOrder(record)},
  };
}

nlohmann::json SelectedToJson(const CCatalogue& catalogue) {
  if (const auto record = catalogue.RecordToSelect()) return *record;
  return nullptr;
}

// Writes JSON text the way nlohmann::json's dump with an indent of 2 lays it out, piece by piece:
// every line of a piece goes `depth` blanks further in.
class CJsonWriter {
 public:
  explicit CJsonWriter(std::ostream& out) : m_out(out) {}

  void Text(std::string_view text, int depth) {
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
      m_out.write(text.data(), static_cast<std::streamsize>(end + 1));
      Blanks(depth);
      text.remove_prefix(end + 1);
    }
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  void Value(const nlohmann::json& value, int depth) { Text(value.dump(kIndent), depth); }
  // "key": at the start of an object's line.
  void Key(const char* key, int depth) {
    Blanks(depth);
    m_out << '"' << key << "\": ";
  }
  // An array of `count` items at `depth`, each written by `item(index, itemDepth)`.
  template <typename WriteItem>
  void Array(std::size_t count, int depth, WriteItem item) {
    if (count == 0) {
      m_out << "[]";
      return;
    }
    m_out << "[\n";
    for (std::size_t i = 0; i < count; ++i) {
      Blanks(depth + kIndent);
      item(i, depth + kIndent);
      m_out << (i + 1 < count ? ",\n" : "\n");
    }
    Blanks(depth);
    m_out << ']';
  }

 private:
  void Blanks(int depth) { m_out << std::string(static_cast<std::size_t>(depth), ' '); }

  std::ostream& m_out;
};

void WriteClass(CJsonWriter& writer, std::ostream& out, const CClassInfo& record, int depth) {
  const int inner = depth + kIndent;
  out << "{\n";
  writer.Key("base", inner);
  writer.Value(ToValidUtf8(record.m_strBase), inner);
  out << ",\n";
  writer.Key("file", inner);
  writer.Value(ToValidUtf8(record.m_strFile), inner);
  out << ",\n";
  const std::vector<std::size_t> order = MemberOrder(record);
  writer.Key("member_order", inner);
  writer.Array(order.size(), inner, [&](std::size_t i, int) { out << order[i]; });
  out << ",\n";
  writer.Key("members", inner);
  writer.Array(record.m_pMembers.size(), inner,
               [&](std::size_t i, int at) { writer.Value(MemberToJson(*record.m_pMembers[i]), at); });
  out << ",\n";
  writer.Key("name", inner);
  writer.Value(ToValidUtf8(record.m_strName), inner);
  out << '\n' << std::string(static_cast<std::size_t>(depth), ' ') << '}';
}

}  // namespace

nlohmann::json CatalogueToJson(const CCatalogue& catalogue) {
  nlohmann::json classes = nlohmann::json::array();
  for (std::size_t i = 0; i < catalogue.Size(); ++i) classes.push_back(ClassToJson(catalogue.At(i)));
  return {{"selected", SelectedToJson(catalogue)}, {"classes", std::move(classes)}};
}

void WriteCatalogueJson(const CCatalogue& catalogue, std::ostream& out) {
  CJsonWriter writer(out);
  out << "{\n";
  writer.Key("classes", kIndent);
  writer.Array(catalogue.Size(), kIndent, [&](std::size_t i, int at) { WriteClass(writer, out, catalogue.At(i), at); });
  out << ",\n";
  writer.Key("selected", kIndent);
  writer.Value(SelectedToJson(catalogue), kIndent);
  out << "\n}";
}

}  // namespace varnwick
