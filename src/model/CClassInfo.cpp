#include "CClassInfo.h"

#include "CMacroBodyTest.h"
#include "CRecordPool.h"
#include "ClassHead.h"
#include "DeclarationReader.h"
#include "HeaderFile.h"
#include "LineScan.h"
#include "ListElementResolver.h"
#include "LogicalLineReader.h"
#include "Text.h"

namespace varnwick {
namespace {

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

// Whether a line that begins with "class " and holds no ";" begins a class. Those that do not: a
// head in a macro's body, and a declaration whose name and ";" stand on the next line. Neither is
// read as a declaration either.
bool BeginsClass(std::string_view line, const ClassHead& head, const CLogicalLineReader& reader,
                 CMacroBodyTest& macroBodies) {
  if (macroBodies.InMacroBody(line, reader.FirstPhysicalStart())) return false;
  return head.hasBase || head.opensBody || !EndsDeclaration(reader.PeekPhysical());
}

// A head that holds only declaration specifiers goes on on the next line, as MIDL writes a COM
// class ("class DECLSPEC_UUID(...)" over "CName : public IUnknown"): that line is read, and the
// head is read again from the two joined in `joined`.
ClassHead CompleteHead(std::string_view line, const ClassHead& head, CLogicalLineReader& reader, std::string& joined) {
  if (!head.name.empty() || head.hasBase || head.opensBody) return head;
  const std::string_view next = CutComment(reader.PeekPhysical());
  if (next.empty() || next.starts_with('{') || next.starts_with('#') || next.starts_with("class ")) return head;
  joined.assign(line);
  reader.Next();
  joined += ' ';
  joined += CutComment(reader.Line());
  return ReadClassHead(joined);
}

}  // namespace

void ReleaseThreadRecordSlots() noexcept {
  CRecordPool<CClassInfo>::ReleaseThreadSlots();
  CRecordPool<CMemberInfo>::ReleaseThreadSlots();
}

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
  CMacroBodyTest macroBodies(text);
  std::string joined;  // a head read from two lines
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
      ClassHead head = ReadClassHead(line);
      if (!BeginsClass(line, head, reader, macroBodies)) continue;
      if (classFound) {
        m_strRest = text.substr(reader.LastPhysicalStart());
        return;
      }
      head = CompleteHead(line, head, reader, joined);
      // Specifiers and no name anywhere: nothing to list.
      if (head.name.empty() && head.hadSpecifier) continue;
      m_strName = head.name;
      if (head.hasBase) m_strBase = head.base;
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
