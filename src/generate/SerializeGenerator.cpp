#include "SerializeGenerator.h"

#include "CommonTexts.h"
#include "ListLoops.h"

namespace varnwick {

namespace {

// Framework classes call their own Serialize; these four the archive operators handle.
bool IsOwnSerializerType(std::string_view type) {
  return type.starts_with('C') && type != "CString" && type != "COLORREF" && type != "CPoint" &&
         type != "CRect";
}

// The elements serialize themselves, in the class's own list.
constexpr ListLoopStyle kOwnList{"", "ASSERT(", "\t\t\tpBase->Serialize(ar);\r\n", "\t\t\tpBase->Serialize(ar);\r\n"};

void AppendStoringList(std::string& out, const MemberItem& item) { AppendStoreLoop(out, item, kOwnList); }
void AppendLoadingList(std::string& out, const MemberItem& item) { AppendLoadLoop(out, item, kOwnList); }

// `arrow` is "ar << " or "ar >> "; the list text is the only thing the two passes do apart.
MemberWriter SerializeWriter(std::string_view arrow, void (*appendList)(std::string&, const MemberItem&)) {
  return [arrow, appendList](std::string& out, const MemberItem& item) {
    const std::string& n = item.Name();
    if (item.listForm && item.notPointerList) {
      Append(out, {"\t\t", n, item.Access(), "Serialize(ar); // Check This !!!\r\n"});
    } else if (item.listForm) {
      appendList(out, item);
    } else if (IsOwnSerializerType(item.Type())) {
      Append(out, {"\t\t", n, item.Pointer() ? "->" : ".", "Serialize(ar);"});
    } else {
      Append(out, {"\t\t", arrow, item.Pointer() ? "*" : "", n, ";"});
    }
    out += "\r\n";
  };
}

}  // namespace

const GeneratorDescription& SerializeGenerator() {
  static const GeneratorDescription description{
      .head =
          [](const CClassInfo& record) {
            std::string head(kBannerA);
            Append(head, {"//Serialization\r\nvoid ", record.m_strName,
                          "::Serialize(CArchive& ar)\r\n{\r\n",
                          "\tif (ar.IsStoring())\r\n\t{\t// storing code\r\n"});
            return head;
          },
      .passes = {{kStoringPrefix, kArchiveGroupSuffix, SerializeWriter("ar << ", AppendStoringList)},
                 {kLoadingPrefix, kArchiveGroupSuffix, SerializeWriter("ar >> ", AppendLoadingList)}},
      .middle = "\t}\r\n\telse\r\n\t{\t// loading code\r\n",
      .tail = "\t}\r\n}\r\n" + std::string(kBannerA),
      .declaration = [](const CClassInfo&) { return std::string("void Serialize(CArchive& ar);"); },
      .skipStatic = false,
      .hasListForm = true,
  };
  return description;
}

}  // namespace varnwick
