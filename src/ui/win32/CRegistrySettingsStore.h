#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CSettingsStore.h"

namespace varnwick {

// The settings of a Windows user, under HKEY_CURRENT_USER\Software\Varnwick (or another key below
// HKEY_CURRENT_USER, for tests): a key "group/name" is the value "name" of the subkey "group",
// kept as a string of bytes.
class CRegistrySettingsStore : public CSettingsStore {
 public:
  explicit CRegistrySettingsStore(std::string rootKey = "Software\\Varnwick") : m_strRootKey(std::move(rootKey)) {}

  std::optional<std::string> Read(std::string_view key) const override;
  void Write(std::string_view key, std::string_view value) override;

 private:
  struct CPlace {
    std::string subkey;
    std::string value;
  };
  CPlace PlaceOf(std::string_view key) const;

  std::string m_strRootKey;
};

}  // namespace varnwick
