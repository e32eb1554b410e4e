#pragma once

#include <cstddef>
#include <string_view>

namespace varnwick {

// What one pass over a header line finds: where its first "//" stands, and the marks of a line
// that declares no data member ("(", ":", "{", "}", "#", "struct ", "typedef ", "enum ",
// "return ") in the text before that comment.
struct LineScan {
  std::size_t comment = std::string_view::npos;
  bool markChar = false;                              // "(", ":", "{", "}" or "#"
  std::size_t keywordBlank = std::string_view::npos;  // the blank that ends the first keyword

  // Whether the line, cut before its comment and trimmed to `cut`, is no data member's line:
  // a keyword counts only with its blank inside the cut line.
  bool HasNonDeclarationMark(std::string_view cut) const {
    return markChar || (keywordBlank != std::string_view::npos && keywordBlank < cut.size());
  }
};

// Runs over every line of every header, so it takes a chunk of bytes at a time where the
// processor compares a chunk at once (CByteChunk::kVector), else one byte at a time.
LineScan ScanLine(std::string_view line);
// The two ways ScanLine goes, which agree on the comment and on HasNonDeclarationMark: byte by
// byte, and chunk by chunk (for a line of at least CByteChunk::kBytes).
LineScan ScanLineBytes(std::string_view line);
LineScan ScanLineChunks(std::string_view line);

// For a line that cannot declare a member: only its comment is looked for, and the line is
// reported as holding a mark without its marks being scanned, so no caller takes it for a
// declaration.
inline LineScan FindComment(std::string_view line) {
  LineScan scan;
  scan.markChar = true;
  for (std::size_t at = line.find('/'); at != std::string_view::npos && at + 1 < line.size(); at = line.find('/', at + 2)) {
    if (line[at + 1] == '/') {
      scan.comment = at;
      break;
    }
  }
  return scan;
}

}  // namespace varnwick
