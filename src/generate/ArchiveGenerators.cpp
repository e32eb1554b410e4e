#include "ArchiveGenerators.h"

#include "CommonTexts.h"
#include "ListLoops.h"

namespace varnwick {

namespace {

// The elements go through the archive operators, in the parameter's list.
constexpr ListLoopStyle kParameterList{"src.", "ASSERT( src.",
                                       "\t\t\tar << *pBase;  //Be sure you have operator <<\r\n",
                                       "\t\t\tar >> *pBase; //Be sure you have operator >>\r\n"};

void AppendParameterStoreLoop(std::string& out, const MemberItem& item) {
  AppendStoreLoop(out, item, kParameterList);
}
void AppendParameterLoadLoop(std::string& out, const MemberItem& item) {
  AppendLoadLoop(out, item, kParameterList);
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
    AppendParameterStoreLoop,
};

constexpr ArchiveTokens kLoad{
    "//Operator ( >> )\r\n",
    "CArchive& AFXAPI operator>>(CArchive& ar, ",
    kLoadingPrefix,
    "\t\tar >> ",
    ";// Check This !!!",
    ";// Check This !!!",
    AppendParameterLoadLoop,
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
