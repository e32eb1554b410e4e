#include "HeaderFile.h"

#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "ReadFileBytes.h"

namespace varnwick {

std::string_view HeaderText(std::string_view bytes) {
  const std::size_t zero = bytes.find('\0');
  if (zero != std::string_view::npos) bytes = bytes.substr(0, zero);
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return bytes;
}

CFileTooLarge::CFileTooLarge(const std::string& path)
    : std::runtime_error(path + ": over the size limit"),
      m_path(path) {}

std::optional<std::string> ReadHeaderFile(const std::string& path) {
  CReadBuffer buffer;
  const std::optional<std::string_view> text = ReadHeaderText(path, buffer);
  if (!text) return std::nullopt;
  return std::string(*text);
}

std::optional<std::string_view> ReadHeaderText(const std::string& path, CReadBuffer& buffer,
                                               CPathKnowledge knowledge, bool* textRead) {
  if (textRead != nullptr) *textRead = false;
  if (knowledge != CPathKnowledge::kListedFileEntry) {
    bool exists = false;
    CUNCStandardActor::Instance().Exists(CUNCPath(path), &exists);
    if (!exists) return std::nullopt;
  }
  std::string_view bytes;
  switch (ReadFileBytes(path, kMaxHeaderBytes, buffer, bytes)) {
    case FileBytesResult::kTooLarge: throw CFileTooLarge(path);
    case FileBytesResult::kUnreadable: return std::string_view();
    case FileBytesResult::kRead: break;
  }
  if (textRead != nullptr) *textRead = true;
  return HeaderText(bytes);
}

}  // namespace varnwick
