#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CClassInfo.h"
#include "Generator.h"

namespace varnwick {

// What the frame tells a generator about one member that takes part.
struct MemberItem {
  explicit MemberItem(const CMemberInfo& info) : member(info) {}

  const CMemberInfo& member;
  // State 2 in a generator that has a list form: write the loop or the "Check This" line.
  bool listForm = false;
  // The list's element class answered "***": the member is not a pointer list.
  bool notPointerList = false;
  // The element class of the loop; "CBaseClass" when it could not be found.
  std::string_view element;
  // How many members this pass has written before this one (the initialiser comma needs it).
  int ordinal = 0;

  const std::string& Name() const { return member.m_strName; }
  const std::string& Type() const { return member.m_strType; }
  bool Pointer() const { return member.m_bPointer; }
  // The access token of the list calls.
  std::string_view Access() const { return member.m_bPointer ? "->" : "."; }
};

using MemberWriter = std::function<void(std::string& body, const MemberItem& item)>;
using ClassText = std::function<std::string(const CClassInfo& record)>;

// One walk over the members: its group comment and the lines per member.
struct PassDescription {
  std::string_view groupPrefix;
  std::string_view groupSuffix;
  MemberWriter write;
};

// Everything in which one generator differs from another; the frame does the rest.
struct GeneratorDescription {
  ClassText head;
  std::vector<PassDescription> passes;  // one, or two with `middle` between them
  std::string middle;
  std::string tail;
  ClassText declaration;  // empty function: no declaration line
  bool skipStatic = false;
  bool hasListForm = false;
};

// Runs the frame: member walk in the given order, states, group comments, list resolution.
std::optional<GeneratedText> RunGenerator(const GeneratorDescription& description,
                                          const CClassInfo& record,
                                          const std::vector<const CMemberInfo*>& members,
                                          const MemberStateLookup& state, bool checkPtrList);

// Appends the pieces in order; keeps the templates readable without temporaries.
void Append(std::string& out, std::initializer_list<std::string_view> pieces);

}  // namespace varnwick
