#include "ListLoops.h"

namespace varnwick {

void AppendStoreLoop(std::string& out, const MemberItem& item, const ListLoopStyle& style) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  const std::string_view list = style.owner;
  Append(out, {"\r\n\t\t//***List (", item.Type(), ")****************",
               "\r\n\t\tar << ", list, n, m, "GetCount();\r\n\r\n",
               "\t\tPOSITION pos = ", list, n, m, "GetHeadPosition();\r\n\r\n",
               "\t\t", item.element, "* pBase; \r\n\r\n",
               "\t\twhile (pos != NULL)\r\n\t\t{\r\n",
               "\t\t\t", style.assertOpen, n, m, "GetAt(pos) != NULL);\r\n",
               "\t\t\tpBase = ", list, n, m, "GetNext(pos);\r\n",
               style.storeElement,
               "\t\t}\r\n\t\t//***************************************\r\n"});
}

void AppendLoadLoop(std::string& out, const MemberItem& item, const ListLoopStyle& style) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  const std::string_view list = style.owner;
  Append(out, {"\r\n\t\t//***List (", item.Type(), ")****************\r\n",
               "\t\t//First delete List\r\n",
               "\t\twhile (!", list, n, m, "IsEmpty())\r\n",
               "\t\t\tdelete ", list, n, m, "RemoveTail();\r\n\r\n",
               "\t\tlong nObjsNr;\r\n\r\n",
               "\t\t", item.element, "* pBase;\r\n\r\n",
               "\t\tfor (ar >> nObjsNr;  nObjsNr;  nObjsNr--)\r\n\t\t{\r\n",
               "\t\t\tpBase = new ", item.element, "( ) ; \r\n",
               style.loadElement,
               "\t\t\t", list, n, m, "AddTail( pBase );\r\n\t\t}\r\n",
               "\t\t//***************************************\r\n"});
}

}  // namespace varnwick
