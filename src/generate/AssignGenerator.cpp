#include "AssignGenerator.h"

#include "CommonTexts.h"

namespace varnwick {

namespace {

void AppendAssignment(std::string& out, const MemberItem& item, std::string_view checkThis) {
  const std::string& n = item.Name();
  if (item.Pointer()) {
    Append(out, {"\t*", n, "\t= *src.", n});
  } else {
    Append(out, {"\t", n, "\t=  src.", n});
  }
  out += item.listForm && item.notPointerList ? checkThis : std::string_view(";\r\n");
}

void AppendListCopy(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  const std::string_view e = item.element;
  Append(out, {kLoopHeader,
               "\r\n\tif ( ", n, " == NULL )\r\n",
               "\t\t", n, " = new ", item.Type(), "( ) ;\r\n",
               "\r\n\tPOSITION pos = src.", n, m, "GetHeadPosition();\r\n\r\n",
               "\t", e, "* pBase ;\r\n",
               "\t", e, "* pBaseNew ;\r\n",
               "\twhile (pos != NULL)\r\n\t{\r\n",
               "\t\tASSERT( src.", n, m, "GetAt(pos) != NULL);\r\n",
               "\t\tpBase = src.", n, m, "GetNext(pos);\r\n",
               "\t\tpBaseNew = new ", e, "( ) ; \r\n",
               "\t\t*pBaseNew = *pBase; // Be sure you have operator=\r\n",
               "\t\t", n, m, "AddTail( pBaseNew );\r\n",
               kLoopEnd});
}

}  // namespace

MemberWriter AssignmentWriter(std::string_view checkThisPointer, std::string_view checkThisPlain) {
  return [checkThisPointer, checkThisPlain](std::string& out, const MemberItem& item) {
    if (item.listForm && !item.notPointerList) {
      AppendListCopy(out, item);
    } else {
      AppendAssignment(out, item, item.Pointer() ? checkThisPointer : checkThisPlain);
    }
  };
}

const GeneratorDescription& AssignGenerator() {
  static const GeneratorDescription description{
      .head =
          [](const CClassInfo& record) {
            const std::string& c = record.m_strName;
            std::string head(kBannerA);
            Append(head, {"//Operator ( = )\r\n", c, "& ", c, "::operator = ( const ", c,
                          "& src )\r\n{\r\n"});
            return head;
          },
      .passes = {{kGroupPrefix, kGroupSuffix,
                  AssignmentWriter(";// Check This !!!\r\n", ";// Check This !!!\r\n")}},
      .middle = {},
      .tail = "\treturn *this;\r\n}\r\n" + std::string(kBannerA),
      .declaration =
          [](const CClassInfo& record) {
            const std::string& c = record.m_strName;
            return c + "& operator = ( const " + c + "& src );";
          },
      .skipStatic = true,
      .hasListForm = true,
  };
  return description;
}

}  // namespace varnwick
