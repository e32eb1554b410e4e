#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnwick {

class CClassInfo;

// A header's logical lines, each cut before its comment and trimmed, kept in one buffer so that
// a word can be looked up with one fast search instead of a line-by-line walk.
class CDeclarationIndex {
 public:
  explicit CDeclarationIndex(std::string_view text);
  // The first line in which `word` occurs at an index greater than 0; empty when none.
  std::string_view Find(std::string_view word) const;

 private:
  std::string m_lines;               // every non-empty line followed by "\n"
  std::vector<std::size_t> m_starts; // offset of each line in m_lines
};

// The first logical line of `text` in which `word` occurs at an index greater than 0, cut before
// its comment and trimmed; "" when there is none.
std::string FindDeclarationLine(std::string_view text, std::string_view word);

// Resolves the element classes of one class's list members. The class's header is read at most
// once per resolver, so one generator run reads it once however many list members it has.
class CListElementResolver {
 public:
  CListElementResolver(const CClassInfo& owner, bool checkPtrList);

  // A class name, "" (element class unknown) or "***" (not a pointer list).
  // Throws CFileTooLarge when the header has grown past the size limit.
  std::string Resolve(std::string_view type);

 private:
  std::string ResolveUncached(std::string_view type);
  // The header's index; null when the header does not exist.
  const CDeclarationIndex* Index();

  const CClassInfo& m_owner;
  bool m_checkPtrList;
  bool m_headerRead = false;
  std::optional<CDeclarationIndex> m_index;
  std::map<std::string, std::string, std::less<>> m_answers;
};

}  // namespace varnwick
