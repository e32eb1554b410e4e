#include "ClassHead.h"

#include "Text.h"

namespace varnwick {
namespace {

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Whether a word of a class head is a declaration specifier, which names no class:
// "__declspec(...)" and the COM headers' "DECLSPEC_UUID(...)".
bool IsDeclspec(std::string_view word) {
  return word.starts_with("__declspec(") || word.starts_with("DECLSPEC_UUID(");
}

// The end of the word of a class head that begins at `begin`: a blank or tab ends it, except
// inside parentheses, angle brackets or a quoted text, so that "__declspec(uuid(\"...\"))" and a
// template's arguments ("__gmp_expr<mpz_t, mpz_t>") are one word each. A ":" outside them ends it
// too (the base list's colon, and the first colon of "A::B" as before) when `colonEnds`.
std::size_t WordEnd(std::string_view head, std::size_t begin, bool colonEnds) {
  int parens = 0;
  int angles = 0;
  bool quoted = false;
  for (std::size_t i = begin; i < head.size(); ++i) {
    const char c = head[i];
    if (quoted) {
      if (c == '\\') ++i;
      else if (c == '"') quoted = false;
      continue;
    }
    switch (c) {
      case '"': quoted = true; break;
      case '(': ++parens; break;
      case ')': if (parens > 0) --parens; break;
      case '<': ++angles; break;
      case '>': if (angles > 0) --angles; break;
      case ' ':
      case '\t':
        if (parens == 0 && angles == 0) return i;
        break;
      case ':':
        if (colonEnds && i > begin && parens == 0 && angles == 0) return i;
        break;
      default: break;
    }
  }
  return head.size();
}

}  // namespace

ClassHead ReadClassHead(std::string_view line) {
  ClassHead result;
  std::string_view head = Trim(line.substr(6));
  if (head.ends_with('{')) {
    head = Trim(head.substr(0, head.size() - 1));
    result.opensBody = true;
  }
  std::size_t lastBegin = std::string_view::npos;
  std::size_t lastEnd = 0;
  std::size_t beforeBegin = std::string_view::npos;
  std::size_t beforeEnd = 0;
  // A head that begins with ":" has no base list, as before: its colons are part of its words.
  const bool colonEnds = !head.starts_with(':');
  for (std::size_t pos = 0; pos < head.size();) {
    const char c = head[pos];
    if (c == ' ' || c == '\t') {
      ++pos;
      continue;
    }
    if (c == ':' && colonEnds) {
      result.hasBase = true;
      result.base = head.substr(pos + 1);
      break;
    }
    const std::size_t end = WordEnd(head, pos, colonEnds);
    const std::string_view word = head.substr(pos, end - pos);
    if (word.starts_with('<') && lastBegin != std::string_view::npos) {
      lastEnd = end;  // "Foo <int>": the arguments belong to the name before them
    } else if (IsDeclspec(word)) {
      result.hadSpecifier = true;
    } else {
      beforeBegin = lastBegin;
      beforeEnd = lastEnd;
      lastBegin = pos;
      lastEnd = end;
    }
    pos = end;
  }
  if (lastBegin == std::string_view::npos) return result;
  result.name = head.substr(lastBegin, lastEnd - lastBegin);
  if (result.name == "final" && beforeBegin != std::string_view::npos) {
    result.name = head.substr(beforeBegin, beforeEnd - beforeBegin);
  }
  return result;
}

bool EndsDeclaration(std::string_view next) {
  next = CutComment(next);
  if (!next.ends_with(';')) return false;
  next.remove_suffix(1);
  for (char c : TrimRight(next)) {
    if (!IsWordByte(c)) return false;
  }
  return true;
}

}  // namespace varnwick
