#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnwick {

// The desktop program's command line: the headers to load at start, or a request for its usage.
// Each argument is a header, verbatim, quotes and blanks included, as a file manager passes one
// per file; only "--help", "-h" and words beginning with "--" are options, and after "--" every
// argument is a header, so that a header whose name begins with a dash can still be named.
struct CStartupArguments {
  std::vector<std::string> files;
  bool help = false;
  std::optional<std::string> unknownOption;  // the first one given
};

CStartupArguments ReadStartupArguments(const std::vector<std::string>& arguments);

// What "--help" prints.
std::string StartupUsage(std::string_view program);
// What an unknown option prints on the error stream.
std::string UnknownOptionText(std::string_view program, std::string_view option);

}  // namespace varnwick
