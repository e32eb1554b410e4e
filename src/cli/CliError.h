#pragma once

#include <stdexcept>
#include <string>

namespace varnwick {

// A failure that ends the command with an exit code and a one-line reason.
class CCliError : public std::runtime_error {
 public:
  // A named path could not be read, or there was nothing to generate.
  static constexpr int kFailure = 1;
  static constexpr int kUsage = 2;

  CCliError(int exitCode, const std::string& reason) : std::runtime_error(reason), m_exitCode(exitCode) {}
  int ExitCode() const { return m_exitCode; }

 private:
  int m_exitCode;
};

}  // namespace varnwick
