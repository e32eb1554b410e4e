#include "ArchiveGenerators.h"

#include "CommonTexts.h"

namespace varnwick {

namespace {

void AppendStoreLoop(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  Append(out, {"\r\n\t\t//***List (", item.Type(), ")****************",
               "\r\n\t\tar << src.", n, m, "GetCount();\r\n\r\n",
               "\t\tPOSITION pos = src.", n, m, "GetHeadPosition();\r\n\r\n",
               "\t\t", item.element, "* pBase; \r\n\r\n",
               "\t\twhile (pos != NULL)\r\n\t\t{\r\n",
               "\t\t\tASSERT( src.", n, m, "GetAt(pos) != NULL);\r\n",
               "\t\t\tpBase = src.", n, m, "GetNext(pos);\r\n",
               "\t\t\tar << *pBase;  //Be sure you have operator <<\r\n",
               "\t\t}\r\n\t\t//***************************************\r\n"});
}

void AppendLoadLoop(std::string& out, const MemberItem& item) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  Append(out, {"\r\n\t\t//***List (", item.Type(), ")****************\r\n",
               "\t\t//First delete List\r\n",
               "\t\twhile (!src.", n, m, "IsEmpty())\r\n",
               "\t\t\tdelete src.", n, m, "RemoveTail();\r\n\r\n",
               "\t\tlong nObjsNr;\r\n\r\n",
               "\t\t", item.element, "* pBase;\r\n\r\n",
               "\t\tfor (ar >> nObjsNr;  nObjsNr;  nObjsNr--)\r\n\t\t{\r\n",
               "\t\t\tpBase = new ", item.element, "( ) ; \r\n",
               "\t\t\tar >> *pBase; //Be sure you have operator >>\r\n",
               "\t\t\tsrc.", n, m, "AddTail( pBase );\r\n\t\t}\r\n",
               "\t\t//***************************************\r\n"});
}

// The texts in which the store and load operators differ.
struct ArchiveTokens {
  std::string_view title;
  std::string_view signatureStart;
  std::string_view groupPrefix;
  std::string_view arrow;
  std::string_view checkThisPlain;
  std::string_view checkThisPointer;
  void (*appendLoop)(std::string&, const MemberItem&);
};

constexpr ArchiveTokens kStore{
    "//Operator ( << )\r\n",
    "CArchive& AFXAPI operator<<(CArchive& ar, const ",
    kStoringPrefix,
    "\t\tar << ",
    "; // Check This",
    ";// Check This",
    AppendStoreLoop,
};

constexpr ArchiveTokens kLoad{
    "//Operator ( >> )\r\n",
    "CArchive& AFXAPI operator>>(CArchive& ar, ",
    kLoadingPrefix,
    "\t\tar >> ",
    ";// Check This !!!",
    ";// Check This !!!",
    AppendLoadLoop,
};

void AppendArchiveMember(std::string& out, const MemberItem& item, const ArchiveTokens& tokens) {
  if (item.listForm && !item.notPointerList) {
    tokens.appendLoop(out, item);
  } else {
    Append(out, {tokens.arrow, item.Pointer() ? "*src." : "src.", item.Name()});
    if (!item.listForm) {
      out += ";";
    } else {
      out += item.Pointer() ? tokens.checkThisPointer : tokens.checkThisPlain;
    }
  }
  out += "\r\n";
}

GeneratorDescription ArchiveGenerator(const ArchiveTokens& tokens) {
  return GeneratorDescription{
      .head =
          [&tokens](const CClassInfo& record) {
            std::string head(kBannerB);
            Append(head, {tokens.title, tokens.signatureStart, record.m_strName, "& src )\r\n{\r\n"});
            return head;
          },
      .passes = {{tokens.groupPrefix, kArchiveGroupSuffix,
                  [&tokens](std::string& out, const MemberItem& item) {
                    AppendArchiveMember(out, item, tokens);
                  }}},
      .middle = {},
      .tail = "\r\n\treturn ar;\r\n}\r\n" + std::string(kBannerB),
      .declaration =
          [&tokens](const CClassInfo& record) {
            std::string line("friend ");
            Append(line, {tokens.signatureStart, record.m_strName, "& src );"});
            return line;
          },
      .skipStatic = false,
      .hasListForm = true,
  };
}

}  // namespace

const GeneratorDescription& StoreGenerator() {
  static const GeneratorDescription description = ArchiveGenerator(kStore);
  return description;
}

const GeneratorDescription& LoadGenerator() {
  static const GeneratorDescription description = ArchiveGenerator(kLoad);
  return description;
}

}  // namespace varnwick
