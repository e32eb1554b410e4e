#include "CRegistrySettingsStore.h"

#include <windows.h>

namespace varnwick {

CRegistrySettingsStore::CPlace CRegistrySettingsStore::PlaceOf(std::string_view key) const {
  const std::size_t slash = key.rfind('/');
  if (slash == std::string_view::npos) return {m_strRootKey, std::string(key)};
  std::string group(key.substr(0, slash));
  for (char& c : group)
    if (c == '/') c = '\\';
  return {m_strRootKey + "\\" + group, std::string(key.substr(slash + 1))};
}

std::optional<std::string> CRegistrySettingsStore::Read(std::string_view key) const {
  const CPlace place = PlaceOf(key);
  DWORD size = 0;
  const DWORD flags = RRF_RT_REG_SZ;
  if (RegGetValueA(HKEY_CURRENT_USER, place.subkey.c_str(), place.value.c_str(), flags, nullptr, nullptr, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  std::string value(size, '\0');
  if (RegGetValueA(HKEY_CURRENT_USER, place.subkey.c_str(), place.value.c_str(), flags, nullptr, value.data(),
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  value.resize(size > 0 ? size - 1 : 0);  // without the terminating zero
  return value;
}

// A setting that cannot be written is simply not kept: the next run opens as a first run would.
void CRegistrySettingsStore::Write(std::string_view key, std::string_view value) {
  const CPlace place = PlaceOf(key);
  HKEY opened = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, place.subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                      nullptr) != ERROR_SUCCESS)
    return;
  const std::string text(value);
  RegSetValueExA(opened, place.value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(opened);
}

}  // namespace varnwick
