#include "CClassInfo.h"

#include "DeclarationReader.h"
#include "HeaderFile.h"
#include "ListElementResolver.h"
#include "LogicalLineReader.h"
#include "Text.h"

namespace varnwick {
namespace {

// The class's name is the last word before the base list, so that export macros
// ("class AFX_EXT_CLASS CMyCtl") and a trailing "final" do not become part of it.
std::string_view ClassNameOf(std::string_view head) {
  std::string_view last;
  std::string_view beforeLast;
  std::size_t pos = 0;
  while (pos < head.size()) {
    const std::size_t begin = head.find_first_not_of(" \t", pos);
    if (begin == std::string_view::npos) break;
    std::size_t end = head.find_first_of(" \t", begin);
    if (end == std::string_view::npos) end = head.size();
    beforeLast = last;
    last = head.substr(begin, end - begin);
    pos = end;
  }
  if (last == "final" && !beforeLast.empty()) return beforeLast;
  return last;
}

void ReadClassHead(std::string_view line, CClassInfo& record) {
  std::string_view head = Trim(line.substr(6));
  if (head.ends_with('{')) head = Trim(head.substr(0, head.size() - 1));
  const std::size_t colon = head.find(':');
  if (colon != std::string_view::npos && colon > 0) {
    record.m_strBase = head.substr(colon + 1);
    head = head.substr(0, colon);
  }
  record.m_strName = ClassNameOf(Trim(head));
}

// Lines that hold any of "(", ":", "{", "}", "#", "struct ", "typedef ", "enum ", "return " are
// functions, access labels, braces, preprocessor lines or type definitions, never data members.
// One pass instead of nine searches: this runs for every line of every header.
bool HasNonDeclarationMark(std::string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    switch (line[i]) {
      case '(': case ':': case '{': case '}': case '#':
        return true;
      case 's':
        if (line.substr(i).starts_with("struct ")) return true;
        break;
      case 't':
        if (line.substr(i).starts_with("typedef ")) return true;
        break;
      case 'e':
        if (line.substr(i).starts_with("enum ")) return true;
        break;
      case 'r':
        if (line.substr(i).starts_with("return ")) return true;
        break;
      default:
        break;
    }
  }
  return false;
}

}  // namespace

bool CClassInfo::LoadFromFile(std::string& text) {
  if (m_strFile.empty()) return false;
  std::optional<std::string> read = ReadHeaderFile(m_strFile);
  if (!read) return false;
  text = std::move(*read);
  return LoadFromText(text);
}

bool CClassInfo::LoadFromText(std::string_view text) {
  m_strName.clear();
  Parse(text);
  return !m_strName.empty();
}

void CClassInfo::Parse(std::string_view text) {
  m_strBase.clear();
  m_strRest = {};
  bool dialogData = false;
  bool classFound = false;
  bool inStruct = false;
  CLogicalLineReader reader(text);
  while (reader.Next()) {
    std::string_view line = reader.Line();
    if (line.empty()) continue;
    if (Contains(line, "//")) {
      if (Contains(line, "//{{AFX_DATA(")) dialogData = true;
      if (Contains(line, "//}}AFX_DATA")) dialogData = false;
      line = CutComment(line);
    }
    if (line.starts_with("struct")) inStruct = true;
    if (inStruct && (Contains(line, "};") || Contains(line, "} ;"))) inStruct = false;
    if (line.starts_with("class ") && !Contains(line, ";")) {
      if (classFound) {
        m_strRest = text.substr(reader.LastPhysicalStart());
        return;
      }
      ReadClassHead(line, *this);
      classFound = true;
      inStruct = false;
      continue;
    }
    if (classFound && !line.empty() && !inStruct && !HasNonDeclarationMark(line)) {
      ReadDeclaration(line, dialogData, *this);
    }
  }
}

std::string CClassInfo::GetListElementClass(std::string_view type, bool checkPtrList) const {
  CListElementResolver resolver(*this, checkPtrList);
  return resolver.Resolve(type);
}

}  // namespace varnwick
