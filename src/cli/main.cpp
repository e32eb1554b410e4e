#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "BinaryStdout.h"
#include "CCatalogue.h"
#include "CClassListing.h"
#include "CatalogueJson.h"
#include "CliError.h"
#include "GenerateCommand.h"
#include "MessageText.h"
#include "Generator.h"
#include "PathLoader.h"

namespace {

using namespace varnwick;

std::string GeneratorList() {
  std::string text = "Generators (menu text):\n";
  for (const GeneratorInfo& info : AllGenerators()) {
    text += "  " + std::string(info.cliName);
    text.append(16 - std::min<std::size_t>(15, info.cliName.size()), ' ');
    text += "\"" + std::string(info.menuText) + "\"\n";
  }
  return text;
}

void AddRecursiveFlag(CLI::App& command, bool& recursive) {
  command.add_flag("-r,--recursive", recursive, "Read the headers of each folder's subfolders too");
}

void AddGenerateCommand(CLI::App& app, GenerateOptions& options) {
  CLI::App* generate = app.add_subcommand("generate", "Write a generated text for one class to stdout");
  generate->add_option("GEN", options.generator, "Generator to run (see the list below)")->required();
  generate->add_option("PATH", options.paths, "Header files or folders to load, in order")->required();
  AddRecursiveFlag(*generate, options.recursive);
  auto* byName = generate->add_option("--class", options.className, "First class with exactly this name");
  generate->add_option("--index", options.index, "Class at this catalogue index")->excludes(byName);
  generate->add_option("--state", options.states, "NAME=S: set every row named NAME (* for all) to S (0, 1, 2)")
      ->take_all();
  generate->add_flag("--no-ptrlist-check{false}", options.checkPtrList,
                     "Do not check that list members are pointer lists");
  generate->add_flag("--declaration", options.declarationOnly, "Print the declaration line instead of the body");
  generate->add_option_function<std::string>(
              "--eol", [&options](const std::string& value) { options.lfLineEnds = value == "lf"; },
              "Line ends of the body: crlf (as generated) or lf")
      ->check(CLI::IsMember({"crlf", "lf"}));
  generate->footer(GeneratorList());
}

// The catalogue is never destroyed: at exit the system drops the whole heap at once, faster than
// the records of a large tree are freed one by one. It stays reachable, so it is no leak.
CCatalogue& ProcessCatalogue() {
  static CCatalogue* const catalogue = new CCatalogue;
  return *catalogue;
}

std::string ExitStatusText() {
  return "Exit status:\n"
         "  0  every path was read (and generate wrote its text)\n"
         "  1  a path named on the command line does not exist or cannot be read, or a header is\n"
         "     " + FileTooLargeReason() + " (reported as \"varnwick-cli: PATH: REASON\" after the\n"
         "     other paths were loaded), or generate had nothing to write; a header without a class\n"
         "     (\"" + NoClassInformationIn("PATH") + "\") and an unreadable header inside a folder are\n"
         "     reported but not failures\n"
         "  2  usage error\n"
         "  3  unexpected internal error\n";
}

int Run(int argc, char** argv) {
  CLI::App app{"varnwick-cli: list the classes of MFC headers and generate code for them"};
  app.set_version_flag("--version", std::string("varnwick-cli ") + VARNWICK_VERSION);
  // At most one here; that there is one is checked after parsing, so that an unknown option is
  // named as such rather than answered with "a subcommand is required".
  app.require_subcommand(0, 1);
  app.footer(ExitStatusText());

  std::vector<std::string> classPaths;
  bool recursive = false;
  CLI::App* classes = app.add_subcommand("classes", "List the loaded classes: index, name, member count, file");
  classes->add_option("PATH", classPaths, "Header files or folders to load, in order")->required();
  AddRecursiveFlag(*classes, recursive);
  std::vector<std::string> dumpPaths;
  CLI::App* dump = app.add_subcommand("dump", "Print the loaded catalogue as JSON");
  dump->add_option("PATH", dumpPaths, "Header files or folders to load, in order")->required();
  AddRecursiveFlag(*dump, recursive);
  GenerateOptions generateOptions;
  AddGenerateCommand(app, generateOptions);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);
    std::cerr << "varnwick-cli: " << error.what() << "\nRun with --help for more information.\n";
    return CCliError::kUsage;
  }
  if (app.get_subcommands().empty()) {
    std::cerr << "varnwick-cli: A subcommand is required\nRun with --help for more information.\n";
    return CCliError::kUsage;
  }

  CCatalogue& catalogue = ProcessCatalogue();
  if (*classes) {
    CClassListing listing;
    catalogue.SetSink(&listing);
    const bool allRead = LoadPaths(catalogue, classPaths, std::cerr, recursive);
    catalogue.SetSink(nullptr);
    listing.Write(std::cout);
    return allRead ? 0 : CCliError::kFailure;
  }
  if (*dump) {
    const bool allRead = LoadPaths(catalogue, dumpPaths, std::cerr, recursive);
    WriteCatalogueJson(catalogue, std::cout);
    std::cout << '\n';
    return allRead ? 0 : CCliError::kFailure;
  }
  return RunGenerate(generateOptions, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  varnwick::SetBinaryStdout();
  try {
    return Run(argc, argv);
  } catch (const varnwick::CCliError& error) {
    std::cerr << "varnwick-cli: " << error.what() << '\n';
    return error.ExitCode();
  } catch (const std::exception& error) {
    std::cerr << "varnwick-cli: " << error.what() << '\n';
    return 3;
  }
}
