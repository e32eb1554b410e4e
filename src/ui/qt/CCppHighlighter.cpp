#include "CCppHighlighter.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace varnwick {

namespace {

enum BlockState { kCode = 0, kInBlockComment = 1 };

constexpr const char* kKeywords[] = {
    "alignas",   "alignof",      "asm",          "auto",       "bool",      "break",     "case",
    "catch",     "char",         "class",        "const",      "const_cast", "constexpr", "continue",
    "decltype",  "default",      "delete",       "do",         "double",    "dynamic_cast", "else",
    "enum",      "explicit",     "export",       "extern",     "false",     "float",     "for",
    "friend",    "goto",         "if",           "inline",     "int",       "long",      "mutable",
    "namespace", "new",          "noexcept",     "nullptr",    "operator",  "private",   "protected",
    "public",    "register",     "reinterpret_cast", "return", "short",     "signed",    "sizeof",
    "static",    "static_assert", "static_cast", "struct",     "switch",    "template",  "this",
    "thread_local", "throw",     "true",         "try",        "typedef",   "typeid",    "typename",
    "union",     "unsigned",     "using",        "virtual",    "void",      "volatile",  "wchar_t",
    "while",     "char16_t",     "char32_t",     "final"};

bool IsWordStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool IsWordPart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

CCppHighlighter::CCppHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
  m_keyword.setForeground(kKeywordColour);
  m_keyword.setFontWeight(QFont::Bold);
  m_comment.setForeground(kCommentColour);
  m_string.setForeground(kStringColour);
}

bool CCppHighlighter::IsKeyword(QStringView word) {
  static const std::vector<QString> sorted = [] {
    std::vector<QString> words(std::begin(kKeywords), std::end(kKeywords));
    std::sort(words.begin(), words.end());
    return words;
  }();
  return std::binary_search(sorted.begin(), sorted.end(), word,
                            [](QStringView a, QStringView b) { return a.compare(b) < 0; });
}

void CCppHighlighter::highlightBlock(const QString& text) {
  setCurrentBlockState(kCode);
  qsizetype at = 0;
  if (previousBlockState() == kInBlockComment) at = BlockComment(text, 0, 0);
  while (at < text.size()) {
    const QChar c = text[at];
    const QChar next = at + 1 < text.size() ? text[at + 1] : QChar();
    if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
      setFormat(static_cast<int>(at), static_cast<int>(text.size() - at), m_comment);
      return;
    }
    if (c == QLatin1Char('/') && next == QLatin1Char('*'))
      at = BlockComment(text, at, at + 2);
    else if (c == QLatin1Char('"') || c == QLatin1Char('\''))
      at = Literal(text, at);
    else if (IsWordStart(c))
      at = Word(text, at);
    else
      ++at;
  }
}

qsizetype CCppHighlighter::BlockComment(const QString& text, qsizetype from, qsizetype searchFrom) {
  const qsizetype end = text.indexOf(QStringLiteral("*/"), searchFrom);
  const qsizetype stop = end < 0 ? text.size() : end + 2;
  setFormat(static_cast<int>(from), static_cast<int>(stop - from), m_comment);
  if (end < 0) setCurrentBlockState(kInBlockComment);
  return stop;
}

qsizetype CCppHighlighter::Literal(const QString& text, qsizetype from) {
  const QChar quote = text[from];
  qsizetype at = from + 1;
  while (at < text.size() && text[at] != quote) at += text[at] == QLatin1Char('\\') ? 2 : 1;
  const qsizetype stop = std::min(at + 1, text.size());
  setFormat(static_cast<int>(from), static_cast<int>(stop - from), m_string);
  return stop;
}

qsizetype CCppHighlighter::Word(const QString& text, qsizetype from) {
  qsizetype at = from + 1;
  while (at < text.size() && IsWordPart(text[at])) ++at;
  if (IsKeyword(QStringView(text).mid(from, at - from)))
    setFormat(static_cast<int>(from), static_cast<int>(at - from), m_keyword);
  return at;
}

}  // namespace varnwick
