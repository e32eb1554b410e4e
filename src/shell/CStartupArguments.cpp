#include "CStartupArguments.h"

namespace varnwick {

CStartupArguments ReadStartupArguments(const std::vector<std::string>& arguments) {
  CStartupArguments read;
  bool options = true;
  for (const std::string& argument : arguments) {
    if (options && argument == "--") {
      options = false;
    } else if (options && (argument == "--help" || argument == "-h")) {
      read.help = true;
    } else if (options && argument.size() > 2 && argument.compare(0, 2, "--") == 0) {
      if (!read.unknownOption) read.unknownOption = argument;
    } else {
      read.files.push_back(argument);
    }
  }
  return read;
}

std::string StartupUsage(std::string_view program) {
  const std::string name(program);
  return "Usage: " + name + " [HEADER...]\n" +
         "Opens the Varnwick window with the classes of each HEADER loaded.\n"
         "\n"
         "  -h, --help  show this text and end\n"
         "  --          every argument after it is a header, even one that begins with \"-\"\n";
}

std::string UnknownOptionText(std::string_view program, std::string_view option) {
  const std::string name(program);
  return name + ": unknown option " + std::string(option) + "\nTry '" + name + " --help'.\n";
}

}  // namespace varnwick
