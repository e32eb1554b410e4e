#pragma once

#include <QSettings>

#include "CSettingsStore.h"

namespace varnwick {

// The settings store of the Linux program: QSettings under "Varnwick"/"Varnwick", a text file in
// the user's configuration folder. Bytes that are not UTF-8 (an old code page's folder name) are
// kept as bytes, so that they come back unchanged.
class CQtSettingsStore : public CSettingsStore {
 public:
  CQtSettingsStore();

  std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

 private:
  mutable QSettings m_settings;
};

}  // namespace varnwick
