// Writes a tree of MFC-style headers that stands in for a real application with its libraries:
// dialog, document and view classes, comment banners, inline functions, typedef'd pointer lists,
// resource headers full of #defines and plain-C headers of prototypes. Sizes follow a log-normal
// spread (median about 3 KB, from 200 bytes) with a few library headers of 50 to 200 KB. The same
// arguments always give the same tree.
//
//   varnwick-bench-make-tree [--odd-heads] ROOT [HEADERS [FOLDERS]]   (defaults: 9000 headers, 1750 folders)
//
// --odd-heads adds, beside the same tree, one header in fifty holding the class heads that are no
// plain class definition, as real Windows headers have them: MIDL's two-line COM class forward
// declarations, declaration specifiers before the name, class heads in macro bodies and template
// specialisations whose arguments hold blanks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMinBytes = 200;
constexpr std::size_t kMaxBytes = 200 * 1024;
constexpr double kMedianBytes = 3000.0;
constexpr double kSpread = 0.75;  // sigma of the log-normal: a mean of about 4 KB per header
constexpr unsigned kLargePerThousand = 5;  // big library headers, 50 KB to the largest size

// mt19937 is the same everywhere; the standard distributions are not, so the draws are made here.
class CDraw {
 public:
  explicit CDraw(std::uint32_t seed) : m_engine(seed) {}
  std::size_t Below(std::size_t bound) { return bound == 0 ? 0 : m_engine() % bound; }
  bool Chance(unsigned percent) { return Below(100) < percent; }
  double Unit() { return (static_cast<double>(m_engine()) + 0.5) / 4294967296.0; }
  double Normal() { return std::sqrt(-2.0 * std::log(Unit())) * std::cos(6.283185307179586 * Unit()); }
  std::size_t HeaderSize() {
    if (Below(1000) < kLargePerThousand) return kMaxBytes / 4 + Below(kMaxBytes - kMaxBytes / 4 + 1);
    const double size = kMedianBytes * std::exp(kSpread * Normal());
    return std::clamp(static_cast<std::size_t>(size), kMinBytes, kMaxBytes);
  }

 private:
  std::mt19937 m_engine;
};

const std::vector<std::string> kWords = {"Order", "Invoice", "Customer", "Report", "Chart", "Layer", "Option",
                                         "Printer", "Export", "Import", "Account", "Ledger", "Grid", "Shape",
                                         "Symbol", "Tool", "Palette", "Project", "Device", "Channel", "Schedule"};

std::string Word(CDraw& draw) { return kWords[draw.Below(kWords.size())]; }

std::string Banner(const std::string& title) {
  return "/////////////////////////////////////////////////////////////////////////////\r\n// " + title +
         "\r\n\r\n";
}

std::string Members(CDraw& draw, int count) {
  static const std::vector<std::string> kTypes = {"CString", "int", "long", "BOOL", "double", "CTime",
                                                  "COleDateTime", "CStringArray", "DWORD", "UINT", "CRect"};
  std::string text;
  for (int i = 0; i < count; ++i) {
    const std::string name = Word(draw) + std::to_string(i);
    switch (draw.Below(6)) {
      case 0: text += "\tCTypedPtrList<CObList, C" + name + "*> m_list" + name + ";\r\n"; break;
      case 1: text += "\tC" + Word(draw) + "List m_" + name + "s;\t// owned\r\n"; break;
      case 2: text += "\tCWnd* m_p" + name + ";\r\n"; break;
      case 3: text += "\tint m_n" + name + ", m_nLast" + name + ";\r\n"; break;
      case 4: text += "\tstatic const int s_n" + name + ";\r\n"; break;
      default: text += "\t" + kTypes[draw.Below(kTypes.size())] + "\tm_" + name + ";\r\n"; break;
    }
  }
  return text;
}

std::string InlineFunction(CDraw& draw, const std::string& klass) {
  const std::string name = Word(draw);
  return "\tint Get" + name + "Count() const\r\n\t{\r\n\t\tint nCount = 0;\r\n\t\tfor (int i = 0; i < m_nSize; i++)\r\n"
         "\t\t\tnCount += m_data[i].IsValid() ? 1 : 0;\r\n\t\treturn nCount;\r\n\t}\r\n\tvoid Set" + name +
         "(const " + klass + "& src, BOOL bNotify = TRUE);\r\n";
}

std::string DialogClass(CDraw& draw, const std::string& name) {
  std::string text = Banner(name + " dialog");
  text += "class " + name + " : public CDialog\r\n{\r\n// Construction\r\npublic:\r\n\t" + name +
          "(CWnd* pParent = NULL);   // standard constructor\r\n\r\n// Dialog Data\r\n\t//{{AFX_DATA(" + name +
          ")\r\n\tenum { IDD = IDD_" + std::to_string(draw.Below(9000)) + " };\r\n";
  text += "\tCEdit\tm_edit" + Word(draw) + ";\r\n\tCComboBox\tm_combo" + Word(draw) + ";\r\n";
  text += Members(draw, 2 + static_cast<int>(draw.Below(8)));
  text += "\t//}}AFX_DATA\r\n\r\n// Overrides\r\n\t// ClassWizard generated virtual function overrides\r\n"
          "\t//{{AFX_VIRTUAL(" + name + ")\r\n\tprotected:\r\n\tvirtual void DoDataExchange(CDataExchange* pDX);"
          "    // DDX/DDV support\r\n\t//}}AFX_VIRTUAL\r\n\r\n// Implementation\r\nprotected:\r\n\r\n"
          "\t// Generated message map functions\r\n\t//{{AFX_MSG(" + name + ")\r\n\tvirtual BOOL OnInitDialog();\r\n"
          "\tafx_msg void OnSelchange" + Word(draw) + "();\r\n\t//}}AFX_MSG\r\n\tDECLARE_MESSAGE_MAP()\r\n};\r\n\r\n";
  return text;
}

std::string DocumentClass(CDraw& draw, const std::string& name) {
  std::string text = Banner(name + " document");
  text += "class " + name + " : public CDocument\r\n{\r\nprotected: // create from serialization only\r\n\t" + name +
          "();\r\n\tDECLARE_DYNCREATE(" + name + ")\r\n\r\n// Attributes\r\npublic:\r\n";
  text += Members(draw, 3 + static_cast<int>(draw.Below(12)));
  text += "\tstruct tagState\r\n\t{\r\n\t\tint nLevel;\r\n\t\tBOOL bDirty;\r\n\t};\r\n";
  text += "\r\n// Operations\r\npublic:\r\n" + InlineFunction(draw, name);
  text += "\r\n// Implementation\r\npublic:\r\n\tvirtual ~" + name + "();\r\n\tvirtual void Serialize(CArchive& ar);\r\n"
          "#ifdef _DEBUG\r\n\tvirtual void AssertValid() const;\r\n\tvirtual void Dump(CDumpContext& dc) const;\r\n"
          "#endif\r\n\r\nprotected:\r\n\t//{{AFX_MSG(" + name + ")\r\n\t//}}AFX_MSG\r\n\tDECLARE_MESSAGE_MAP()\r\n};\r\n\r\n";
  return text;
}

std::string ViewClass(CDraw& draw, const std::string& name) {
  std::string text = Banner(name + " view");
  text += "class " + name + " : public CScrollView\r\n{\r\nprotected:\r\n\t" + name + "();\r\n\tDECLARE_DYNCREATE(" +
          name + ")\r\n\r\npublic:\r\n\tC" + Word(draw) + "Doc* GetDocument();\r\n";
  text += Members(draw, 1 + static_cast<int>(draw.Below(6)));
  text += "\tint m_nFirst,\r\n\t\tm_nSecond,   // continued\r\n\t\tm_nThird;\r\n";
  text += "\r\n// Overrides\r\n\t//{{AFX_VIRTUAL(" + name + ")\r\n\tpublic:\r\n\tvirtual void OnDraw(CDC* pDC);\r\n"
          "\tprotected:\r\n\tvirtual BOOL OnPreparePrinting(CPrintInfo* pInfo);\r\n\t//}}AFX_VIRTUAL\r\n\r\n";
  text += InlineFunction(draw, name) + "\tDECLARE_MESSAGE_MAP()\r\n};\r\n\r\n";
  text += "#ifndef _DEBUG\r\ninline C" + Word(draw) + "Doc* " + name +
          "::GetDocument()\r\n   { return (CDoc*)m_pDocument; }\r\n#endif\r\n\r\n";
  return text;
}

std::string PlainClass(CDraw& draw, const std::string& name) {
  std::string text = Banner(name);
  text += "class " + name + " : public CObject\r\n{\r\npublic:\r\n\t" + name + "();\r\n\t" + name + "(const " + name +
          "& src);\r\n\tvirtual ~" + name + "();\r\n";
  text += Members(draw, 2 + static_cast<int>(draw.Below(10)));
  text += InlineFunction(draw, name) + "};\r\n\r\ntypedef CTypedPtrList<CObList, " + name + "*> " + name + "List;\r\n\r\n";
  return text;
}

std::string ResourceLines(CDraw& draw) {
  std::string text;
  for (int i = 0; i < 40; ++i) {
    text += "#define IDC_" + Word(draw) + std::to_string(i) + "                    " +
            std::to_string(1000 + draw.Below(9000)) + "\r\n";
  }
  return text;
}

std::string PrototypeLines(CDraw& draw) {
  const std::string name = Word(draw);
  return "typedef struct _" + name + "_INFO {\r\n    DWORD   cbSize;\r\n    LPCSTR  lpszName;\r\n    HANDLE  hObject;\r\n} " +
         name + "_INFO, *P" + name + "_INFO;\r\n\r\nWINBASEAPI\r\nBOOL\r\nWINAPI\r\nGet" + name +
         "Info(\r\n    IN HANDLE hObject,\r\n    OUT P" + name + "_INFO pInfo\r\n    );\r\n\r\n";
}

enum class HeaderKind { kClasses, kResource, kPrototypes };

HeaderKind DrawKind(CDraw& draw) {
  const std::size_t roll = draw.Below(100);
  if (roll < 8) return HeaderKind::kResource;
  if (roll < 20) return HeaderKind::kPrototypes;
  return HeaderKind::kClasses;
}

std::string NextUnit(CDraw& draw, HeaderKind kind, int serial) {
  if (kind == HeaderKind::kResource) return ResourceLines(draw);
  if (kind == HeaderKind::kPrototypes) return PrototypeLines(draw);
  // The second word is drawn first, as in the trees made so far; spelt out, the order no longer
  // depends on the compiler. Appending in steps also spares GCC 12 a false -Wrestrict report.
  const std::string second = Word(draw);
  std::string stem = "C";
  stem += Word(draw);
  stem += second;
  stem += std::to_string(serial);
  switch (draw.Below(4)) {
    case 0: return DialogClass(draw, stem + "Dlg");
    case 1: return DocumentClass(draw, stem + "Doc");
    case 2: return ViewClass(draw, stem + "View");
    default: return PlainClass(draw, stem);
  }
}

// Units are added while they fit; the rest is filled with comment lines and cut to the size.
std::string MakeHeader(CDraw& draw, std::size_t size, int serial) {
  const std::string guard = "AFX_HEADER_" + std::to_string(serial) + "_INCLUDED_";
  std::string text = "// Header " + std::to_string(serial) + " of the generated tree\r\n#if !defined(" + guard +
                     ")\r\n#define " + guard + "\r\n\r\n#pragma once\r\n\r\n";
  const HeaderKind kind = DrawKind(draw);
  for (int unit = 0;; ++unit) {
    std::string next = NextUnit(draw, kind, serial * 1000 + unit);
    if (text.size() + next.size() > size) break;
    text += next;
  }
  while (text.size() < size) text += "// -- end of generated declarations --\r\n";
  text.resize(size);
  return text;
}

std::vector<fs::path> MakeFolders(CDraw& draw, const fs::path& root, int count) {
  std::vector<fs::path> folders = {root};
  std::vector<int> depth = {0};
  while (static_cast<int>(folders.size()) < count) {
    const std::size_t parent = draw.Below(folders.size());
    if (depth[parent] >= 6) continue;
    folders.push_back(folders[parent] / (Word(draw) + std::to_string(folders.size())));
    depth.push_back(depth[parent] + 1);
  }
  for (const fs::path& folder : folders) fs::create_directories(folder);
  return folders;
}

std::string Uuid(CDraw& draw) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (std::size_t group : {8, 4, 4, 4, 12}) {
    if (!text.empty()) text += '-';
    for (std::size_t i = 0; i < group; ++i) text += kHex[draw.Below(16)];
  }
  return text;
}

// What a MIDL-generated COM header holds around its coclasses: the two-line forward declaration
// of each ("class DECLSPEC_UUID(...)" over "Name;"), which declares no class.
std::string MidlForwardDeclarations(CDraw& draw, int serial) {
  std::string text = "#ifdef __cplusplus\r\n";
  const int count = 1 + static_cast<int>(draw.Below(4));
  for (int i = 0; i < count; ++i) {
    const std::string name = Word(draw) + std::to_string(serial) + "_" + std::to_string(i);
    text += "EXTERN_C const CLSID CLSID_" + name + ";\r\n\r\nclass DECLSPEC_UUID(\"" + Uuid(draw) + "\")\r\n" + name +
            ";\r\n\r\n";
  }
  return text + "#endif\r\n\r\n";
}

// Class heads inside macro bodies: continued with a backslash, or pasting tokens with "##".
std::string MacroBodies(CDraw& draw, int serial) {
  const std::string word = Word(draw) + std::to_string(serial);
  return "#define DECLARE_" + word + "_PAIR(name) \\\r\n\tclass C##name##" + word + " : public CObject \\\r\n\t{ \\\r\n"
         "\tpublic: \\\r\n\t\tint m_nValue; \\\r\n\t};\r\n\r\n#define DECLARE_" + word + "_ONE(name) \\\r\n"
         "\tclass name##Impl\r\n\r\n";
}

// Real classes whose heads hold declaration specifiers, one with the name on the next line, and
// template specialisations whose arguments hold blanks.
std::string SpecialisedClasses(CDraw& draw, int serial) {
  const std::string stem = "C" + Word(draw) + std::to_string(serial);
  std::string text = "class DECLSPEC_UUID(\"" + Uuid(draw) + "\") DECLSPEC_NOVTABLE " + stem +
                     "Object : public IUnknown\r\n{\r\npublic:\r\n" + Members(draw, 2) + "};\r\n\r\n";
  text += "class DECLSPEC_UUID(\"" + Uuid(draw) + "\")\r\n" + stem + "Split : public CCmdTarget\r\n{\r\n" +
          Members(draw, 2) + "};\r\n\r\n";
  text += "class __declspec(novtable) " + stem + "Base\r\n{\r\n" + Members(draw, 1) + "};\r\n\r\n";
  text += "template <>\r\nclass __gmp_expr<mpz_t, mpz_t>\r\n{\r\n\tmpz_t mp;\r\n};\r\n\r\n";
  text += "template <>\r\nclass CMap<CString, LPCTSTR, " + stem + "*, " + stem + "*> : public CObject\r\n{\r\n" +
          Members(draw, 1) + "};\r\n\r\n";
  return text;
}

std::string OddHeadsHeader(CDraw& draw, int serial) {
  const std::string guard = "__" + Word(draw) + std::to_string(serial) + "_h__";
  return "/* this ALWAYS GENERATED file contains the definitions for the interfaces */\r\n#ifndef " + guard +
         "\r\n#define " + guard + "\r\n\r\n" + MidlForwardDeclarations(draw, serial) + MacroBodies(draw, serial) +
         SpecialisedClasses(draw, serial) + MidlForwardDeclarations(draw, serial) + "#endif\r\n";
}

const char kUsage[] =
    "usage: varnwick-bench-make-tree [--odd-heads] ROOT [HEADERS [FOLDERS]]\n"
    "Writes a tree of HEADERS generated MFC-style headers (default 9000) in FOLDERS folders (default\n"
    "1750) under ROOT; the same arguments always give the same tree.\n"
    "  --odd-heads  also write one header in fifty with class heads that are no plain class definition\n"
    "               (COM forward declarations, declaration specifiers, macro bodies, templates)\n"
    "  -h, --help   show this text and exit\n";

// A count of at least 1, or -1 when `text` is not one.
int ParseCount(std::string_view text) {
  if (text.empty() || text.size() > 9) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value >= 1 ? value : -1;
}

int UsageError(const std::string& message) {
  std::cerr << "varnwick-bench-make-tree: " << message << "\n" << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool oddHeads = false;
  std::vector<std::string> operands;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "--help" || arg == "-h")) {
      std::cout << kUsage;
      return 0;
    } else if (options && arg == "--odd-heads") {
      oddHeads = true;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      return UsageError("unknown option \"" + std::string(arg) + "\"");
    } else {
      operands.emplace_back(arg);
    }
  }
  if (operands.empty()) return UsageError("no ROOT folder given");
  if (operands.size() > 3) return UsageError("too many arguments");
  const fs::path root = operands[0];
  const int headers = operands.size() > 1 ? ParseCount(operands[1]) : 9000;
  const int folderCount = operands.size() > 2 ? ParseCount(operands[2]) : 1750;
  if (headers < 0) return UsageError("HEADERS must be a whole number of at least 1: \"" + operands[1] + "\"");
  if (folderCount < 0) return UsageError("FOLDERS must be a whole number of at least 1: \"" + operands[2] + "\"");
  CDraw draw(20240611u);
  const std::vector<fs::path> folders = MakeFolders(draw, root, folderCount);
  std::size_t bytes = 0;
  for (int serial = 0; serial < headers; ++serial) {
    // Squaring the draw crowds the headers into the first folders, as real projects do.
    const double pick = draw.Unit();
    const fs::path& folder = folders[static_cast<std::size_t>(pick * pick * static_cast<double>(folders.size()))];
    const std::string text = MakeHeader(draw, draw.HeaderSize(), serial);
    std::ofstream(folder / (Word(draw) + std::to_string(serial) + ".h"), std::ios::binary) << text;
    bytes += text.size();
  }
  // Drawn from their own sequence, so the tree above stays the one the same arguments always gave.
  int odd = 0;
  if (oddHeads) {
    CDraw oddDraw(20250107u);
    for (; odd < headers / 50 + 1; ++odd) {
      const fs::path& folder = folders[oddDraw.Below(folders.size())];
      const std::string text = OddHeadsHeader(oddDraw, odd);
      std::ofstream(folder / ("OddHeads" + std::to_string(odd) + ".h"), std::ios::binary) << text;
      bytes += text.size();
    }
  }
  std::cout << headers + odd << " headers, " << bytes << " bytes in " << folders.size() << " folders under " << root.string()
            << '\n';
  return 0;
}
