#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace varnwick {

struct GenerateOptions {
  std::string generator;                  // a generator's command-line name
  std::optional<std::string> className;   // first class of that exact name
  std::optional<std::size_t> index;       // catalogue index
  std::vector<std::string> states;        // "NAME=S", applied in order; NAME "*" is every row
  bool checkPtrList = true;
  bool declarationOnly = false;
  bool lfLineEnds = false;
  bool recursive = false;                 // folders with their subfolders
  std::vector<std::string> paths;
};

// Loads the paths, runs the generator on the chosen class and writes the text to `out`.
// Load problems go to `messages`. Throws CCliError for usage errors and when nothing is generated.
// Answers the exit status: 0, or CCliError::kFailure when a path could not be read.
int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& messages);

}  // namespace varnwick
