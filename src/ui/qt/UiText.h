#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

namespace varnwick {

// Header texts are byte strings. They are shown as UTF-8 when they are valid UTF-8 and byte for
// byte as Latin-1 otherwise, so that no byte of an old code-page header is lost on screen.
QString ToQString(std::string_view bytes);
// The inverse of ToQString for text that came from the user (paths, edited text).
std::string ToBytes(const QString& text);

// Registers the icons compiled into this library; a static library's own registration would be
// dropped by the linker. Safe to call more than once.
void EnsureResources();

// Converts the dialog-unit layouts into pixels of a font, as the layouts were designed: a unit is a
// quarter of the font's average character width and an eighth of its height.
class CDialogUnits {
 public:
  explicit CDialogUnits(const QFont& font);
  int X(int units) const { return units * m_charWidth / 4; }
  int Y(int units) const { return units * m_charHeight / 8; }
  QRect Rect(int x, int y, int w, int h) const { return QRect(X(x), Y(y), X(w), Y(h)); }

 private:
  int m_charWidth;
  int m_charHeight;
};

}  // namespace varnwick
