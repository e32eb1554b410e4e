#include <sys/wait.h>

#include <cstdio>

#include "CliProcess.h"

namespace varnwick::test {

CliRun RunCli(const std::string& arguments) {
  const std::string command = std::string(VARNWICK_CLI_PATH) + " " + arguments + " 2>/dev/null";
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace varnwick::test
