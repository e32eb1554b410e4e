#include "CHeaderReader.h"

namespace varnwick {

std::vector<std::unique_ptr<CClassInfo>> CHeaderReader::Read(const std::string& path, CPathKnowledge knowledge) {
  std::vector<std::unique_ptr<CClassInfo>> found;
  m_hadText = false;
  if (path.empty()) return found;
  const std::optional<std::string_view> text = ReadHeaderText(path, m_buffer, knowledge, &m_hadText);
  if (!text) return found;
  return ClassesOfText(*text, path, m_detail);
}

std::vector<std::unique_ptr<CClassInfo>> CHeaderReader::ClassesOfText(std::string_view text, const std::string& path,
                                                                      CMemberDetail detail) {
  std::vector<std::unique_ptr<CClassInfo>> found;
  std::string_view rest = text;
  // The first parse runs even on an empty text; each further one on the rest the last one left.
  do {
    auto record = std::make_unique<CClassInfo>();
    if (!record->LoadFromText(rest, detail)) break;
    record->m_strFile = path;
    rest = record->m_strRest;
    record->m_strRest = {};
    found.push_back(std::move(record));
  } while (!rest.empty());
  return found;
}

}  // namespace varnwick
