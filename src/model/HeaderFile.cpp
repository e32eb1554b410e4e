#include "HeaderFile.h"

#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "ReadFileBytes.h"

namespace varnwick {
namespace {

std::string_view Normalise(std::string_view text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return text;
}

}  // namespace

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
  return Normalise(bytes);
}

}  // namespace varnwick
