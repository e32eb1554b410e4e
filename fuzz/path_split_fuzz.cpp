// Splits and builds arbitrary text in both separator modes and checks what must hold for any
// input: no crash, no stripped character surviving, normalised parts, and a rebuilt path that
// splits and builds back to itself.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "CUNCPath.h"

namespace {

using varnwick::CUNCPath;

constexpr std::size_t kMaxComponentBytes = 255;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool HasBadChar(std::string_view text) {
  return text.find_first_of("<>|\"") != std::string_view::npos;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsTrimmed(std::string_view text) {
  return text.empty() || (!IsBlank(text.front()) && !IsBlank(text.back()));
}

void CheckParts(CUNCPath& path) {
  for (const std::string& part : {path.Server(), path.Share(), path.Directory(), path.File()}) {
    Require(!HasBadChar(part) && IsTrimmed(part));
  }
  const std::string directory = path.Directory();
  Require(directory.empty() || IsSeparator(directory.back()));
  const std::string file = path.File();
  Require(file.empty() || !IsSeparator(file.back()));
  Require(!HasBadChar(path.PathNoTrailingSep()));
}

// Full text and parts of one path, read in both orders.
void CheckText(std::string_view text, bool bForwardSlash) {
  CUNCPath path(text, bForwardSlash);
  const std::string full = path.GetFull();
  Require(!HasBadChar(full) && IsTrimmed(full));
  CheckParts(path);

  // Building from the parts twice gives the same text.
  path.FileRef();
  const std::string built = path.GetFull();
  Require(!HasBadChar(built) && IsTrimmed(built));
  path.FileRef();
  Require(path.GetFull() == built);

  // Split and build the built text once more: the second round changes nothing. Not for texts
  // with blanks (each part is trimmed, so a blank at a part's edge goes and the text may then
  // split differently) nor for long ones (the drive-form split cuts long components).
  if (built.size() <= kMaxComponentBytes && std::none_of(built.begin(), built.end(), IsBlank)) {
    CUNCPath again(built, bForwardSlash);
    again.FileRef();
    Require(again.GetFull() == built);
  }

  const std::string compare = path.CompareForm();
  Require(compare.size() == built.size());
  Require(compare.find(bForwardSlash ? '\\' : '/') == std::string::npos);
}

// Parts written through the modifiable references are normalised however odd they are.
void CheckBuiltFromParts(std::string_view data, bool bForwardSlash) {
  std::string parts[4];
  std::size_t index = 0;
  for (char c : data) {
    if (c == '\0' && index < 3) {
      ++index;
    } else {
      parts[index] += c;
    }
  }
  CUNCPath path({}, bForwardSlash);
  path.ServerRef() = parts[0];
  path.ShareRef() = parts[1];
  path.DirectoryRef() = parts[2];
  path.FileRef() = parts[3];
  const std::string full = path.GetFull();
  Require(!HasBadChar(full) && IsTrimmed(full));
  CheckParts(path);
  Require(path.IsEmpty() == full.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (bool bForwardSlash : {false, true}) {
    CheckText(text, bForwardSlash);
    CheckBuiltFromParts(text, bForwardSlash);
  }
  return 0;
}
