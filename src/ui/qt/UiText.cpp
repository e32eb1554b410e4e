#include "UiText.h"

#include <QFontMetrics>
#include <QStringDecoder>

// Outside any namespace, as the resource macro requires.
static void InitVarnwickResources() { Q_INIT_RESOURCE(varnwick); }

namespace varnwick {

void EnsureResources() {
  static const bool registered = (InitVarnwickResources(), true);
  (void)registered;
}

QString ToQString(std::string_view bytes) {
  const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(view);
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(view);
}

std::string ToBytes(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

CDialogUnits::CDialogUnits(const QFont& font) {
  // The average width of the Latin letters, rounded as the dialog layouts expect.
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  m_charWidth = (letters / 26 + 1) / 2;
  m_charHeight = metrics.height();
}

}  // namespace varnwick
