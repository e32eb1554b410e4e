#include "CQtSettingsStore.h"

#include <QStringDecoder>

namespace varnwick {

namespace {

QString Key(std::string_view key) { return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())); }

}  // namespace

CQtSettingsStore::CQtSettingsStore() : m_settings(QStringLiteral("Varnwick"), QStringLiteral("Varnwick")) {}

std::optional<std::string> CQtSettingsStore::Read(std::string_view key) const {
  const QVariant value = m_settings.value(Key(key));
  if (!value.isValid()) return std::nullopt;
  if (value.typeId() == QMetaType::QByteArray) return value.toByteArray().toStdString();
  return value.toString().toStdString();
}

void CQtSettingsStore::Write(std::string_view key, std::string_view value) {
  const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  if (utf8.hasError())
    m_settings.setValue(Key(key), bytes);
  else
    m_settings.setValue(Key(key), text);
  // At once: the program ends without returning to the event loop that would write it later, and
  // without destroying the window that owns this store.
  m_settings.sync();
}

}  // namespace varnwick
