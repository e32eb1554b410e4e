#include "DeclarationReader.h"

#include <memory>
#include <optional>

#include "Text.h"

namespace varnwick {
namespace {

struct LineMarks {
  bool pointer = false;
  bool isStatic = false;
  bool isConst = false;
};

// "static" and "const" in either order, each matched at the start without looking further.
std::string_view TakeQualifiers(std::string_view line, LineMarks& marks) {
  for (int round = 0; round < 2; ++round) {
    if (line.starts_with("static")) {
      marks.isStatic = true;
      line = TrimLeft(line.substr(6));
    }
    if (line.starts_with("const")) {
      marks.isConst = true;
      line = TrimLeft(line.substr(5));
    }
  }
  return line;
}

long IndexOf(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? -1 : static_cast<long>(at);
}

// Where the type ends: the first blank or tab, or just after the first ">" so that a template
// type keeps its whole argument list. None when the line has no blank or tab after its start.
std::optional<std::size_t> SplitPoint(std::string_view line) {
  const long blank = IndexOf(line, ' ');
  const long tab = IndexOf(line, '\t');
  const long angle = IndexOf(line, '>');
  if (blank <= 0 && tab <= 0) return std::nullopt;
  long split = blank;
  if (tab >= 0 && tab < split) split = tab;
  if (split < 0) split = tab;
  if (angle >= 0) split = angle + 1;
  return static_cast<std::size_t>(split);
}

bool DeclaresNothing(std::string_view type, std::string_view declarators) {
  const long comma = IndexOf(declarators, ',');
  return Contains(declarators, ")") || comma >= static_cast<long>(declarators.size()) - 1 ||
         type.starts_with(",") || type.ends_with(",") || Contains(type, ":");
}

// Pointers to anything but numbers and strings are left out by default, except in documents.
bool PointerKeepsState(std::string_view type, const CClassInfo& record) {
  return type == "double" || type == "int" || type == "long" || Contains(type, "String") ||
         Contains(record.m_strName, "Doc");
}

}  // namespace

int TypeCheckState(std::string_view type, bool inDialogData) {
  int state = kCheckGenerate;
  const std::size_t list = type.find("List");
  if (list != std::string_view::npos && list >= 1 && type != "CImageList") state = kCheckList;
  if (type == "CFont" || type == "CImageList") state = kCheckSkip;
  for (std::string_view control : {"Ctrl", "Box", "ctrl", "Bar", "Dlg", "Wnd", "Button", "Pen", "Brush"}) {
    if (Contains(type, control)) state = kCheckSkip;
  }
  if (inDialogData && type.starts_with("C") && !Contains(type, "String")) state = kCheckSkip;
  return state;
}

void ReadDeclaration(std::string_view line, bool inDialogData, CClassInfo& record) {
  LineMarks marks;
  line = TakeQualifiers(TrimLeft(line), marks);
  const std::optional<std::size_t> split = SplitPoint(line);
  if (!split) return;
  std::string_view type = Trim(line.substr(0, *split));
  std::string_view declarators = Trim(line.substr(*split));
  if (type.ends_with("*")) marks.pointer = true;
  type = StripToken(type, "*");
  int state = TypeCheckState(type, inDialogData);
  if (DeclaresNothing(type, declarators)) return;

  bool last = false;
  while (!last) {
    std::string_view declarator;
    const std::size_t comma = declarators.find(',');
    if (comma != std::string_view::npos) {
      declarator = declarators.substr(0, comma);
      declarators = Trim(declarators.substr(comma + 1));
    } else {
      declarator = StripToken(declarators, ";");
      last = true;
    }
    declarator = Trim(declarator);
    if (Contains(declarator, "*")) marks.pointer = true;
    declarator = TrimLeft(StripToken(declarator, "*"));
    // A declarator with a blank is not a plain name ("long m_n" of "unsigned long m_n"); an
    // empty one ("int ,m_a;") names nothing.
    if (declarator.empty() || declarator.find_first_of(" \t") != std::string_view::npos) continue;
    if (state != kCheckList && marks.pointer && !PointerKeepsState(type, record)) state = kCheckSkip;

    auto member = std::make_unique<CMemberInfo>();
    member->m_strName = declarator;
    member->m_strClass = record.m_strName;
    member->m_strType = type;
    member->m_bPointer = marks.pointer;
    member->m_bStatic = marks.isStatic;
    member->m_bConst = marks.isConst;
    member->m_nCheckState = state;
    member->m_bDialog = inDialogData;
    record.m_pMembers.push_back(std::move(member));
  }
}

}  // namespace varnwick
