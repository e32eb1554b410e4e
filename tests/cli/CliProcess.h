#pragma once

#include <string>

namespace varnwick::test {

struct CliRun {
  int exitCode = -1;
  std::string out;  // standard output, byte for byte
  std::string err;  // standard error as text: its line ends are "\n" on every platform
};

// Runs the real varnwick-cli. `arguments` is one command-line text: blanks separate the
// arguments, double quotes group them, as both the POSIX shell and the Windows run-time read
// such a text.
CliRun RunCli(const std::string& arguments);

#ifndef _WIN32
// The same, started through `launcher`, a command that runs the program it is given (such as
// "setpriv --reuid=65534 ..."); the redirections stay with the caller.
CliRun RunCliThrough(const std::string& launcher, const std::string& arguments);
#endif

}  // namespace varnwick::test
