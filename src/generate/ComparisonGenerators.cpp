#include "ComparisonGenerators.h"

#include "CommonTexts.h"

namespace varnwick {

namespace {

// The texts in which the three operators differ.
struct ComparisonTokens {
  std::string_view title;
  std::string_view headStart;
  std::string_view pointerTest;
  std::string_view plainTest;
  std::string_view checkThisEnd;
  std::string_view elementTest;
  std::string_view declarationStart;
};

constexpr ComparisonTokens kEqual{
    "//Operator ( == )\r\n",
    "int AFXAPI operator==( ",
    "\t!= *src2.",
    "\t!= src2.",
    " )\treturn FALSE;// Check This !!!\r\n",
    "\t\tif (!(*pBase1 == *pBase2))\t return FALSE; // Be sure you have operator==\r\n",
    "friend int AFXAPI operator==( ",
};

constexpr ComparisonTokens kLess{
    "//Operator ( < )\r\n",
    "int AFXAPI operator<( ",
    "\t>= *src2.",
    "\t>= src2.",
    " )\treturn FALSE;//Check This !!!\r\n",
    "\t\tif (!(*pBase1 < *pBase2))\t return FALSE; // Be sure you have operator <\r\n",
    "friend int AFXAPI operator<( ",
};

constexpr ComparisonTokens kGreater{
    "//Operator ( > )\r\n",
    "int AFXAPI operator>( ",
    "\t<= *src2.",
    "\t<= src2.",
    " )\treturn FALSE;//Check This !!!\r\n",
    "\t\tif (!(*pBase1 > *pBase2))\t return FALSE; // Be sure you have operator >\r\n",
    "friend int AFXAPI operator>( ",
};

void AppendListComparison(std::string& out, const MemberItem& item, std::string_view elementTest) {
  const std::string& n = item.Name();
  const std::string_view m = item.Access();
  const std::string_view e = item.element;
  // The counts are compared first, so the generated loop needs to test pos1 only.
  Append(out, {kLoopHeader,
               "\r\n\tif ( src1.", n, m, "GetCount() != src2.", n, m, "GetCount())\treturn FALSE;\r\n",
               "\r\n\tPOSITION pos1 = src1.", n, m, "GetHeadPosition();\r\n\r\n",
               "\r\n\tPOSITION pos2 = src2.", n, m, "GetHeadPosition();\r\n\r\n",
               "\t", e, "* pBase1 ;\r\n",
               "\t", e, "* pBase2 ;\r\n",
               "\twhile (pos1 != NULL)\r\n\t{\r\n",
               "\t\tASSERT( src1.", n, m, "GetAt(pos1) != NULL);\r\n",
               "\t\tASSERT( src2.", n, m, "GetAt(pos2) != NULL);\r\n",
               "\t\tpBase1 = src1.", n, m, "GetNext(pos1);\r\n",
               "\t\tpBase2 = src2.", n, m, "GetNext(pos2);\r\n",
               elementTest,
               kLoopEnd});
}

void AppendComparison(std::string& out, const MemberItem& item, const ComparisonTokens& tokens) {
  if (item.listForm && !item.notPointerList) {
    AppendListComparison(out, item, tokens.elementTest);
    return;
  }
  const std::string& n = item.Name();
  if (item.Pointer()) {
    Append(out, {"\tif ( *src1.", n, tokens.pointerTest, n});
  } else {
    Append(out, {"\tif ( src1.", n, tokens.plainTest, n});
  }
  out += item.listForm ? tokens.checkThisEnd : std::string_view(" )\treturn FALSE;\r\n");
}

GeneratorDescription ComparisonGenerator(const ComparisonTokens& tokens) {
  return GeneratorDescription{
      .head =
          [&tokens](const CClassInfo& record) {
            const std::string& c = record.m_strName;
            std::string head(kBannerB);
            Append(head, {tokens.title, tokens.headStart, c, " const &src1,", c,
                          " const &src2 )\r\n{\r\n"});
            return head;
          },
      .passes = {{kGroupPrefix, kGroupSuffix,
                  [&tokens](std::string& out, const MemberItem& item) {
                    AppendComparison(out, item, tokens);
                  }}},
      .middle = {},
      .tail = "\r\n\treturn TRUE;\r\n}\r\n" + std::string(kBannerB),
      .declaration =
          [&tokens](const CClassInfo& record) {
            const std::string& c = record.m_strName;
            std::string line(tokens.declarationStart);
            Append(line, {c, " const &src1, ", c, " const &src2 );"});
            return line;
          },
      .skipStatic = true,
      .hasListForm = true,
  };
}

}  // namespace

const GeneratorDescription& EqualGenerator() {
  static const GeneratorDescription description = ComparisonGenerator(kEqual);
  return description;
}

const GeneratorDescription& LessGenerator() {
  static const GeneratorDescription description = ComparisonGenerator(kLess);
  return description;
}

const GeneratorDescription& GreaterGenerator() {
  static const GeneratorDescription description = ComparisonGenerator(kGreater);
  return description;
}

}  // namespace varnwick
