#pragma once

#include <string>

namespace varnwick::test {

struct CliRun {
  int exitCode = -1;
  std::string out;  // standard output, byte for byte
};

// Runs the real varnwick-cli with standard error discarded. `arguments` is one command-line text:
// blanks separate the arguments, double quotes group them, as both the POSIX shell and the
// Windows run-time read such a text.
CliRun RunCli(const std::string& arguments);

}  // namespace varnwick::test
