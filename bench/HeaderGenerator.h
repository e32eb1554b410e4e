#pragma once

#include <cstddef>
#include <string>

namespace varnwick::bench {

// An MFC-style header of exactly `size` bytes: classes with dialog-data blocks, member
// functions, comments and data members of many kinds, padded at the end with comment lines.
inline std::string MakeHeader(std::size_t size) {
  std::string text;
  text.reserve(size + 4096);
  const std::string tail = "};\r\n";
  for (int klass = 0; text.size() + 2048 < size; ++klass) {
    const std::string name = "CGenerated" + std::to_string(klass) + "Dlg";
    text += "class " + name + " : public CDialog\r\n{\r\npublic:\r\n\t" + name + "(CWnd* pParent = NULL);\r\n";
    text += "\t//{{AFX_DATA(" + name + ")\r\n\tenum { IDD = IDD_DIALOG" + std::to_string(klass) + " };\r\n";
    for (int m = 0; m < 8; ++m) {
      const std::string n = std::to_string(m);
      text += "\tCString\tm_strField" + n + ";   // text of field " + n + "\r\n";
      text += "\tint\t\tm_nValue" + n + ", m_nOther" + n + ";\r\n";
      text += "\tCTypedPtrList<CPtrList, CItem" + n + "*> m_list" + n + ";\r\n";
      text += "\tstatic const double* s_pTable" + n + ";\r\n";
    }
    text += "\t//}}AFX_DATA\r\nprotected:\r\n\tvirtual void DoDataExchange(CDataExchange* pDX);\r\n";
    text += "\tafx_msg void OnOK();\r\n\tDECLARE_MESSAGE_MAP()\r\n" + tail;
  }
  while (text.size() < size) {
    const std::string pad = "// padding line of the generated header\r\n";
    text += pad.substr(0, std::min(pad.size(), size - text.size()));
  }
  return text;
}

}  // namespace varnwick::bench
