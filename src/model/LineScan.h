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

// Runs over every line of every header, so it takes sixteen bytes at a time where it can.
LineScan ScanLine(std::string_view line);

// Only the comment of a line that cannot declare a member: its marks are not looked for, and the
// scan tells it holds one.
inline LineScan ScanComment(std::string_view line) {
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
