#pragma once

#include <QColor>
#include <QSyntaxHighlighter>

namespace varnwick {

// Colours C++ source: keywords, comments (line and block, across lines) and string and character
// literals. Only the look changes; the text stays as it is.
class CCppHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  static inline const QColor kKeywordColour{0, 0, 160};
  static inline const QColor kCommentColour{0, 128, 0};
  static inline const QColor kStringColour{163, 21, 21};

  explicit CCppHighlighter(QTextDocument* document);

  static bool IsKeyword(QStringView word);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  // Each answers where the highlighted piece ends.
  // `searchFrom` steps over the "/*" of a comment that opens on this line.
  qsizetype BlockComment(const QString& text, qsizetype from, qsizetype searchFrom);
  qsizetype Literal(const QString& text, qsizetype from);
  qsizetype Word(const QString& text, qsizetype from);

  QTextCharFormat m_keyword;
  QTextCharFormat m_comment;
  QTextCharFormat m_string;
};

}  // namespace varnwick
