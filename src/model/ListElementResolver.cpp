#include "ListElementResolver.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "CClassInfo.h"
#include "HeaderFile.h"
#include "LogicalLineReader.h"
#include "Text.h"

namespace varnwick {

CDeclarationIndex::CDeclarationIndex(std::string_view text) {
  CLogicalLineReader reader(text);
  while (reader.Next()) {
    const std::string_view line = CutComment(reader.Line());
    if (line.empty()) continue;
    m_starts.push_back(m_lines.size());
    m_lines.append(line);
    m_lines.push_back('\n');
  }
}

std::string_view CDeclarationIndex::Find(std::string_view word) const {
  if (word.empty()) return {};
  std::size_t from = 0;
  while (from < m_lines.size()) {
    const std::size_t at = std::string_view(m_lines).find(word, from);
    if (at == std::string_view::npos) return {};
    const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), at);
    const std::size_t start = *(next - 1);
    const std::size_t end = next == m_starts.end() ? m_lines.size() : *next;
    // A line that begins with the word is the member's own declaration, not its type's.
    if (at > start) return std::string_view(m_lines).substr(start, end - 1 - start);
    from = end;
  }
  return {};
}

std::string FindDeclarationLine(std::string_view text, std::string_view word) {
  return std::string(CDeclarationIndex(text).Find(word));
}

CListElementResolver::CListElementResolver(const CClassInfo& owner, bool checkPtrList)
    : m_owner(owner), m_checkPtrList(checkPtrList) {}

const CDeclarationIndex* CListElementResolver::Index() {
  if (!m_headerRead) {
    std::optional<std::string> text = ReadHeaderFile(m_owner.m_strFile);
    if (text) m_index.emplace(*text);
    m_headerRead = true;
  }
  return m_index ? &*m_index : nullptr;
}

std::string CListElementResolver::Resolve(std::string_view type) {
  const std::string key(type);
  if (const auto known = m_answers.find(key); known != m_answers.end()) return known->second;
  std::string answer = ResolveUncached(type);
  m_answers.emplace(key, answer);
  return answer;
}

std::string CListElementResolver::ResolveUncached(std::string_view type) {
  if (m_owner.m_strFile.empty()) return "";
  std::string working;
  if (Contains(type, ">")) {
    working = type;
  } else {
    const CDeclarationIndex* index = Index();
    if (index == nullptr) return "";
    working = index->Find(type);
    if (working.empty()) return m_checkPtrList ? "***" : "";
  }
  if (m_checkPtrList && !Contains(working, "CPtrList") && !Contains(working, "CTypedPtrList")) {
    return "***";
  }
  std::string_view element = working;
  const std::size_t angle = element.find('>');
  if (angle != std::string_view::npos && angle > 0) {
    element = element.substr(0, angle);
    const std::size_t comma = element.rfind(',');
    if (comma != std::string_view::npos && comma + 1 < element.size()) element = element.substr(comma + 1);
  }
  return std::string(StripToken(Trim(element), "*"));
}

}  // namespace varnwick
