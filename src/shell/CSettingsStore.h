#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace varnwick {

// Where the program keeps what it remembers between runs, in the platform's usual place for a
// user's settings. Keys are "group/name"; values are bytes. Only the windows as the user left them
// and the dialogs' last folders are kept there, never the catalogue or the ticks.
class CSettingsStore {
 public:
  virtual ~CSettingsStore() = default;
  virtual std::optional<std::string> Read(std::string_view key) const = 0;
  virtual void Write(std::string_view key, std::string_view value) = 0;
};

// Remembers for as long as the program runs; for a run that keeps nothing.
class CMemorySettings : public CSettingsStore {
 public:
  std::optional<std::string> Read(std::string_view key) const override {
    const auto found = m_values.find(std::string(key));
    if (found == m_values.end()) return std::nullopt;
    return found->second;
  }
  void Write(std::string_view key, std::string_view value) override { m_values[std::string(key)] = value; }

 private:
  std::map<std::string, std::string> m_values;
};

}  // namespace varnwick
