#include "DialogAndListGenerators.h"

#include "CommonTexts.h"

namespace varnwick {

namespace {

std::string_view DefaultValue(const CMemberInfo& member) {
  // Later tests win: a pointer is NULL whatever it points to.
  const std::string& type = member.m_strType;
  std::string_view value = "0";
  if (type == "double") value = "0.0";
  if (type == "BOOL" || type == "bool") value = "FALSE";
  if (type.find("String") != std::string::npos) value = "_T(\"\")";
  if (type == "CPoint") value = "CPoint(0,0)";
  if (type == "CRect") value = "CRect(0,0,0,0)";
  if (member.m_bPointer) value = "NULL";
  return value;
}

std::string_view DialogTag(const MemberItem& item, std::string_view tag) {
  return item.member.m_bDialog ? tag : std::string_view();
}

void AppendToDialog(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  Append(out, {"\tdlg.", n, "\t= ", n, "; ", DialogTag(item, "//<--To dlg Resource"),
               item.Pointer() ? " //Pointer !" : "", "\r\n"});
}

void AppendFromDialog(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  const std::string_view tag = DialogTag(item, "//-->From dlg Resource");
  if (item.Pointer()) {
    // The copy back is left commented out for a pointer.
    Append(out, {"\t\t//Pointer ", n, " = dlg.", n, "; ", tag, "\r\n"});
  } else {
    Append(out, {"\t\t", n, "\t= dlg.", n, "; ", tag, " \r\n"});
  }
}

std::string ListHead(const CClassInfo& record) {
  std::string head("\t//****Members of ( ");
  Append(head, {record.m_strName, "::", record.m_strBase, " )****\r\n"});
  return head;
}

constexpr std::string_view kListTail = "\t//******************************\r\n";

void AppendMemberValue(std::string& out, const MemberItem& item) {
  const CMemberInfo& member = item.member;
  Append(out, {"\t", member.m_bStatic ? "static " : "", member.m_bConst ? "const " : ""});
  if (member.m_bStatic) Append(out, {member.m_strType, " "});
  Append(out, {member.m_strName, "\t= ", DefaultValue(member), " ;\r\n"});
}

// The two member lists share head, tail and rules; only the line per member differs.
GeneratorDescription MemberListDescription(MemberWriter writeMember) {
  return GeneratorDescription{
      .head = ListHead,
      .passes = {{kGroupPrefix, kGroupSuffix, std::move(writeMember)}},
      .middle = {},
      .tail = std::string(kListTail),
      .declaration = {},
      .skipStatic = false,
      .hasListForm = false,
  };
}

}  // namespace

const GeneratorDescription& ModalDialogGenerator() {
  static const GeneratorDescription description{
      .head =
          [](const CClassInfo& record) {
            std::string head(kBannerA);
            Append(head, {"//Dialog ( ", record.m_strName, "::", record.m_strBase, " )\r\n", "\t",
                          record.m_strName, " dlg;\r\n"});
            return head;
          },
      .passes = {{kGroupPrefix, kGroupSuffix, AppendToDialog},
                 {"\r\n\t\t//****(", kGroupSuffix, AppendFromDialog}},
      .middle = "\r\n\tif ( dlg.DoModal( ) == IDOK )\r\n\t{\r\n",
      .tail = "\r\n\t\t//return TRUE;\r\n\t}\r\n\r\n\t//return FALSE;\r\n" + std::string(kBannerA),
      .declaration = {},
      .skipStatic = false,
      .hasListForm = false,
  };
  return description;
}

const GeneratorDescription& MembersListGenerator() {
  static const GeneratorDescription description = MemberListDescription(
      [](std::string& out, const MemberItem& item) { Append(out, {"\t", item.Name(), "\r\n"}); });
  return description;
}

const GeneratorDescription& MembersValuesGenerator() {
  static const GeneratorDescription description = MemberListDescription(AppendMemberValue);
  return description;
}

}  // namespace varnwick
