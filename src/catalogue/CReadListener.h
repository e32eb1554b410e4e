#pragma once

#include <string>

namespace varnwick {

// Told after each header a command reads (Add Directory, Reload), so that a window can show how
// far it has come, and asked whether to go on.
class CReadListener {
 public:
  virtual ~CReadListener() = default;
  virtual void OnFileRead(const std::string& path, bool foundClasses) = 0;
  // True ends the command after the header just read; what was read stays.
  virtual bool IsCancelled() const { return false; }
};

}  // namespace varnwick
