#include "CatalogueJson.h"

#include <unordered_map>

#include "ListOrder.h"
#include "Utf8Text.h"

namespace varnwick {
namespace {

nlohmann::json MemberToJson(const CMemberInfo& member) {
  return {
      {"name", ToValidUtf8(member.m_strName)},   {"type", ToValidUtf8(member.m_strType)},
      {"pointer", member.m_bPointer},            {"static", member.m_bStatic},
      {"const", member.m_bConst},                {"dialog", member.m_bDialog},
      {"check_state", member.m_nCheckState},     {"shown_state", member.ShownCheckState()},
      {"icon", member.IconIndex()},              {"line", ToValidUtf8(member.LineText())},
  };
}

nlohmann::json MemberOrderToJson(const CClassInfo& record) {
  std::unordered_map<const CMemberInfo*, std::size_t> index;
  for (std::size_t i = 0; i < record.m_pMembers.size(); ++i) index[record.m_pMembers[i].get()] = i;
  nlohmann::json order = nlohmann::json::array();
  for (const CMemberInfo* member : MemberListOrder(record)) order.push_back(index[member]);
  return order;
}

nlohmann::json ClassToJson(const CClassInfo& record) {
  nlohmann::json members = nlohmann::json::array();
  for (const auto& member : record.m_pMembers) members.push_back(MemberToJson(*member));
  return {
      {"name", ToValidUtf8(record.m_strName)}, {"base", ToValidUtf8(record.m_strBase)},
      {"file", ToValidUtf8(record.m_strFile)}, {"members", std::move(members)},
      {"member_order", MemberOrderToJson(record)},
  };
}

}  // namespace

nlohmann::json CatalogueToJson(const CCatalogue& catalogue) {
  nlohmann::json classes = nlohmann::json::array();
  for (std::size_t i = 0; i < catalogue.Size(); ++i) classes.push_back(ClassToJson(catalogue.At(i)));
  nlohmann::json selected = nullptr;
  if (const auto record = catalogue.RecordToSelect()) selected = *record;
  return {{"selected", selected}, {"classes", std::move(classes)}};
}

}  // namespace varnwick
