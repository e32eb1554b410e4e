#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "CliProcess.h"

namespace varnwick::test {

CliRun RunCli(const std::string& arguments) { return RunCliThrough("", arguments); }

CliRun RunCliThrough(const std::string& launcher, const std::string& arguments) {
  CliRun run;
  char errors[] = "/tmp/varnwick-cli-stderr-XXXXXX";
  const int errorFile = ::mkstemp(errors);
  if (errorFile < 0) return run;
  ::close(errorFile);
  const std::string command = launcher + " " + VARNWICK_CLI_PATH + " " + arguments + " 2>" + errors;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe != nullptr) {
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ostringstream err;
  err << std::ifstream(errors, std::ios::binary).rdbuf();
  run.err = err.str();
  ::unlink(errors);
  return run;
}

}  // namespace varnwick::test
