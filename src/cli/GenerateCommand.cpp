#include "GenerateCommand.h"

#include <utility>

#include "CCatalogue.h"
#include "CliError.h"
#include "Generation.h"
#include "Generator.h"
#include "ListOrder.h"
#include "MemberStates.h"
#include "MessageText.h"
#include "PathLoader.h"

namespace varnwick {
namespace {

struct StateAssignment {
  std::string name;
  int state;
};

// "NAME=S": the last "=" separates, since a member name may itself hold one.
StateAssignment ParseStateAssignment(const std::string& text) {
  const std::size_t equals = text.rfind('=');
  if (equals == std::string::npos || equals == 0) {
    throw CCliError(CCliError::kUsage, "--state " + text + ": expected NAME=S with S 0, 1 or 2");
  }
  const std::string value = text.substr(equals + 1);
  if (value != "0" && value != "1" && value != "2") {
    throw CCliError(CCliError::kUsage, "--state " + text + ": the state must be 0, 1 or 2");
  }
  return {text.substr(0, equals), value[0] - '0'};
}

const GeneratorInfo& ChooseGenerator(const std::string& name) {
  const GeneratorInfo* info = FindGeneratorByName(name);
  if (info == nullptr) {
    std::string known;
    for (const GeneratorInfo& each : AllGenerators()) known += (known.empty() ? "" : ", ") + std::string(each.cliName);
    throw CCliError(CCliError::kUsage, "unknown generator '" + name + "' (one of " + known + ")");
  }
  return *info;
}

const CClassInfo& ChooseClass(const CCatalogue& catalogue, const GenerateOptions& options) {
  if (options.className) {
    for (std::size_t i = 0; i < catalogue.Size(); ++i) {
      if (catalogue.At(i).m_strName == *options.className) return catalogue.At(i);
    }
    throw CCliError(CCliError::kUsage, "no class named '" + *options.className + "' was loaded");
  }
  if (options.index) {
    if (*options.index >= catalogue.Size()) {
      throw CCliError(CCliError::kUsage, "no class at index " + std::to_string(*options.index) + " (" +
                                             std::to_string(catalogue.Size()) + " loaded)");
    }
    return catalogue.At(*options.index);
  }
  const std::optional<std::size_t> selected = catalogue.RecordToSelect();
  if (!selected) throw CCliError(CCliError::kFailure, "no class was loaded");
  return catalogue.At(*selected);
}

// When a path could not be read, a class that is not there may well have been in it: that is the
// unread path's failure, not a usage error.
const CClassInfo& ChooseLoadedClass(const CCatalogue& catalogue, const GenerateOptions& options, bool allRead) {
  try {
    return ChooseClass(catalogue, options);
  } catch (const CCliError& error) {
    if (allRead) throw;
    throw CCliError(CCliError::kFailure, error.what());
  }
}

std::vector<CMemberRow> GridRows(const CClassInfo& record, const std::vector<StateAssignment>& states) {
  std::vector<CMemberRow> rows = InitialMemberRows(record);
  for (const StateAssignment& assignment : states) {
    bool matched = false;
    for (CMemberRow& row : rows) {
      if (assignment.name == "*" || row.name == assignment.name) {
        row.state = assignment.state;
        matched = true;
      }
    }
    if (!matched && assignment.name != "*") {
      throw CCliError(CCliError::kUsage, "--state: class " + record.m_strName + " has no member named '" +
                                             assignment.name + "'");
    }
  }
  return rows;
}

std::string WithLineEnds(std::string text, bool lf) {
  if (!lf) return text;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

int RunGenerate(const GenerateOptions& options, std::ostream& out, std::ostream& messages) {
  const GeneratorInfo& generator = ChooseGenerator(options.generator);
  std::vector<StateAssignment> states;
  for (const std::string& text : options.states) states.push_back(ParseStateAssignment(text));

  CCatalogue catalogue;
  const bool allRead = LoadPaths(catalogue, options.paths, messages, options.recursive);
  const CClassInfo& record = ChooseLoadedClass(catalogue, options, allRead);
  CGeneration result =
      RunGenerator(generator.kind, record, MemberListOrder(record), GridRows(record, states), options.checkPtrList);
  if (result.tooLarge) throw CCliError(CCliError::kFailure, *result.tooLarge + ": " + FileTooLargeReason());
  std::optional<GeneratedText>& text = result.text;
  if (!text) throw CCliError(CCliError::kFailure, "class " + record.m_strName + " has no members");
  if (options.declarationOnly) {
    out << text->declaration << '\n';
  } else {
    out << WithLineEnds(std::move(text->body), options.lfLineEnds);
  }
  return allRead ? 0 : CCliError::kFailure;
}

}  // namespace varnwick
