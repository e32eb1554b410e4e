#include "CClassInfo.h"

#include "CRecordPool.h"
#include "DeclarationReader.h"
#include "HeaderFile.h"
#include "LineScan.h"
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

// Whether `line` holds "//" followed by `marker`, looking from `from` on. It looks for the marker,
// whose first character is rare, then for the slashes before it: a search for "//..." stops at
// every "/", which on the banner lines of slashes that headers are full of means at every byte.
bool HoldsCommentMarker(std::string_view line, std::size_t from, std::string_view marker) {
  for (std::size_t at = line.find(marker, from); at != std::string_view::npos; at = line.find(marker, at + 1)) {
    if (at >= 2 && line[at - 1] == '/' && line[at - 2] == '/') return true;
  }
  return false;
}

// The dialog-data markers, then the cut before the first "//" at `comment`.
std::string_view ReadComment(std::string_view line, std::size_t comment, bool& dialogData) {
  // Both markers hold "AFX_DATA": most comments do not, and one search tells.
  if (line.find("AFX_DATA", comment + 2) != std::string_view::npos) {
    if (HoldsCommentMarker(line, comment + 2, "{{AFX_DATA(")) dialogData = true;
    if (HoldsCommentMarker(line, comment + 2, "}}AFX_DATA")) dialogData = false;
  }
  return TrimRight(line.substr(0, comment));
}

}  // namespace

void* CClassInfo::operator new(std::size_t size) { return NewRecord<CClassInfo>(size); }

void CClassInfo::operator delete(void* record, std::size_t size) noexcept { DeleteRecord<CClassInfo>(record, size); }

bool CClassInfo::LoadFromFile(std::string& text) {
  if (m_strFile.empty()) return false;
  std::optional<std::string> read = ReadHeaderFile(m_strFile);
  if (!read) return false;
  text = std::move(*read);
  return LoadFromText(text);
}

bool CClassInfo::LoadFromText(std::string_view text, CMemberDetail detail) {
  m_strName.clear();
  Parse(text, detail);
  return !m_strName.empty();
}

void CClassInfo::Parse(std::string_view text, CMemberDetail detail) {
  m_strBase.clear();
  m_strRest = {};
  m_nCountedMembers = 0;
  const bool records = detail == CMemberDetail::kRecords;
  bool dialogData = false;
  bool classFound = false;
  bool inStruct = false;
  CLogicalLineReader reader(text);
  while (reader.Next()) {
    std::string_view line = reader.Line();
    if (line.empty()) continue;
    // Before the class head and inside a struct no line declares a member (the line that ends a
    // struct holds a "}"), so only the comment is looked for there.
    const LineScan scan = classFound && !inStruct ? ScanLine(line) : FindComment(line);
    if (scan.comment != std::string_view::npos) line = ReadComment(line, scan.comment, dialogData);
    if (WordAt(line, 0, "struct")) inStruct = true;
    if (inStruct && (Contains(line, "};") || Contains(line, "} ;"))) inStruct = false;
    if (WordAt(line, 0, "class ") && !Contains(line, ";")) {
      if (classFound) {
        m_strRest = text.substr(reader.LastPhysicalStart());
        return;
      }
      ReadClassHead(line, *this);
      classFound = true;
      inStruct = false;
      continue;
    }
    if (classFound && !line.empty() && !inStruct && !scan.HasNonDeclarationMark(line)) {
      if (records) {
        ReadDeclaration(line, dialogData, m_strName, m_pMembers);
      } else {
        m_nCountedMembers += CountDeclarators(line);
      }
    }
  }
}

std::string CClassInfo::GetListElementClass(std::string_view type, bool checkPtrList) const {
  CListElementResolver resolver(*this, checkPtrList);
  return resolver.Resolve(type);
}

}  // namespace varnwick
