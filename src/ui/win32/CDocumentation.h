#pragma once

#include <string>

namespace varnwick {

// Where the program's documents stand: beside the program, where the installer puts them.
class CDocumentation {
 public:
  // The folder of the running program, with a closing backslash.
  static std::string Folder();
  // The README beside the program (README.md when there, else README.txt).
  static std::string Readme();
};

}  // namespace varnwick
