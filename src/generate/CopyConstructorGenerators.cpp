#include "CopyConstructorGenerators.h"

#include "AssignGenerator.h"
#include "CommonTexts.h"

namespace varnwick {

namespace {

std::string CopyConstructorHead(const CClassInfo& record, std::string_view signatureEnd) {
  const std::string& c = record.m_strName;
  std::string head(kBannerA);
  Append(head, {"//Copy Constructor\r\n", c, "::", c, "( const ", c, signatureEnd});
  return head;
}

std::string CopyConstructorDeclaration(const CClassInfo& record) {
  const std::string& c = record.m_strName;
  return c + "( const " + c + "& src );";
}

void AppendInitialiser(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  Append(out, {"\t\t\t\t", item.ordinal > 0 ? "," : "", n, item.Pointer() ? "(*src." : "(src.", n,
               ")\r\n"});
}

}  // namespace

const GeneratorDescription& CopyAssignGenerator() {
  static const GeneratorDescription description{
      .head = [](const CClassInfo& record) { return CopyConstructorHead(record, "& src )\r\n{\r\n"); },
      .passes = {{kGroupPrefix, kGroupSuffix,
                  AssignmentWriter(";//Check This !!!\r\n", ";// Check This !!!\r\n")}},
      .middle = {},
      .tail = "}\r\n" + std::string(kBannerA),
      .declaration = CopyConstructorDeclaration,
      .skipStatic = true,
      .hasListForm = true,
  };
  return description;
}

const GeneratorDescription& CopyMembersGenerator() {
  static const GeneratorDescription description{
      // The initialiser list opens on the line after the signature, even when it stays empty.
      .head = [](const CClassInfo& record) { return CopyConstructorHead(record, "& src )\r\n\t\t\t:\t"); },
      .passes = {{"\r\n\t\t\t\t//****(", kGroupSuffix, AppendInitialiser}},
      .middle = {},
      .tail = "{\r\n}\r\n" + std::string(kBannerA),
      .declaration = CopyConstructorDeclaration,
      .skipStatic = true,
      .hasListForm = false,
  };
  return description;
}

}  // namespace varnwick
