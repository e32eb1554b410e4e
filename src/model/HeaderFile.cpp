#include "HeaderFile.h"

#include "CUNCPath.h"
#include "CUNCStandardActor.h"
#include "ReadFileBytes.h"

namespace varnwick {
namespace {

std::string Normalise(std::string text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
  return text;
}

}  // namespace

CFileTooLarge::CFileTooLarge(const std::string& path)
    : std::runtime_error("The file " + path + " is larger than 1,048,575 bytes and cannot be read."),
      m_path(path) {}

std::optional<std::string> ReadHeaderFile(const std::string& path) {
  bool exists = false;
  CUNCStandardActor::Instance().Exists(CUNCPath(path), &exists);
  if (!exists) return std::nullopt;
  std::string text;
  switch (ReadFileBytes(path, kMaxHeaderBytes, text)) {
    case FileBytesResult::kTooLarge: throw CFileTooLarge(path);
    case FileBytesResult::kUnreadable: return std::string();
    case FileBytesResult::kRead: break;
  }
  return Normalise(std::move(text));
}

}  // namespace varnwick
