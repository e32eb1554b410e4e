#pragma once

#include <string_view>

namespace varnwick {

// What a class head line says: the class's name and the text after the base list's ":".
struct ClassHead {
  std::string_view name;
  std::string_view base;
  bool hasBase = false;
  bool opensBody = false;     // the head ends with "{"
  bool hadSpecifier = false;  // a declaration specifier was passed over
};

// Reads a line that begins with "class ": the name is the last word before the base list's ":",
// so that export macros ("class AFX_EXT_CLASS CMyCtl"), declaration specifiers
// ("__declspec(novtable)", "DECLSPEC_UUID(...)") and a trailing "final" do not become part of it.
// A template's argument list is kept whole and as written; one that stands apart from its name
// ("Foo <int>") is joined to it. The views point into `line`.
ClassHead ReadClassHead(std::string_view line);

// Whether the line after a class head without base list or body ends the head as a declaration:
// ";" alone or a name and ";" ("class DECLSPEC_UUID(\"...\")" over "MediaDet;", as MIDL writes a
// COM class's forward declaration, or "class CFoo" over "m_foo;").
bool EndsDeclaration(std::string_view next);

}  // namespace varnwick
