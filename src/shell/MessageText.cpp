#include "MessageText.h"

#include "HeaderFile.h"

namespace varnwick {
namespace {

// "1 class", "3 classes", "1,024 headers".
std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
  return WithThousands(count) + " " + std::string(count == 1 ? one : many);
}

std::string_view CauseHeading(CReloadCause cause) {
  switch (cause) {
    case CReloadCause::kGone: return "Gone or unreadable";
    case CReloadCause::kNoClass: return "No class any more";
    case CReloadCause::kTooLarge: return "Too large";
  }
  return {};
}

std::string CauseClause(CReloadCause cause) {
  switch (cause) {
    case CReloadCause::kGone: return "it is gone or cannot be read";
    case CReloadCause::kNoClass: return "it holds no class any more";
    case CReloadCause::kTooLarge: return "it is " + FileTooLargeReason();
  }
  return {};
}

constexpr CReloadCause kCauses[] = {CReloadCause::kGone, CReloadCause::kNoClass, CReloadCause::kTooLarge};

}  // namespace

std::string NoClassInformationIn(std::string_view path) { return "No class information in " + std::string(path); }

std::string NoClassInformationFor(std::string_view path) { return "No class information for " + std::string(path); }

std::string WithThousands(std::size_t number) {
  const std::string digits = std::to_string(number);
  std::string text;
  for (std::size_t at = 0; at < digits.size(); ++at) {
    if (at > 0 && (digits.size() - at) % 3 == 0) text += ',';
    text += digits[at];
  }
  return text;
}

std::string FileTooLargeReason() { return "larger than " + WithThousands(kMaxHeaderBytes) + " bytes"; }

std::string FileTooLargeMessage(std::string_view path) {
  return "The file " + std::string(path) + " is " + FileTooLargeReason() + " and cannot be read.";
}

std::string ReadProgressText(std::size_t files, std::size_t classes) {
  return "Reading headers: " + std::to_string(files) + " files read, " + std::to_string(classes) + " classes found";
}

std::string ClassesAddedText(std::size_t classes, bool hiddenByFilter) {
  std::string text = Counted(classes, "class added", "classes added");
  if (hiddenByFilter) text += classes == 1 ? "; the filter hides it" : "; the filter hides them";
  return text;
}

std::string ClassesReadAgainText(std::string_view path, std::size_t classes) {
  return Counted(classes, "class", "classes") + " read again from " + std::string(path) + ", which was loaded already";
}

std::string FolderReadText(std::size_t headers, std::size_t classes, std::size_t replaced, bool cancelled) {
  std::string text = cancelled ? "Cancelled: " : "";
  text += Counted(headers, "header", "headers") + " read, " + Counted(classes, "class", "classes");
  if (replaced > 0) text += "; " + Counted(replaced, "header was", "headers were") + " loaded already and read again";
  return text;
}

std::string NoHeaderFilesIn(std::string_view folder) { return "No header files in " + std::string(folder); }

std::string ClassRemovedText(std::string_view name) { return std::string(name) + " removed"; }

std::string ClassesRemovedText(std::size_t classes) { return Counted(classes, "class", "classes") + " removed"; }

std::string ReloadText(const CReloadReport& report) {
  std::string text = report.cancelled ? "Reload cancelled: " : "Reloaded: ";
  text += Counted(report.headersRead, "header", "headers") + " read";
  if (report.newHeaders > 0) text += ", " + Counted(report.newHeaders, "new header", "new headers");
  if (!report.problems.empty()) text += ", " + Counted(report.problems.size(), "could", "could") + " not be read";
  return text;
}

std::string ReloadProgressText(std::size_t files) {
  return "Reading headers again: " + std::to_string(files) + " files read";
}

CProblemsText ReloadProblemsText(const std::vector<CReloadProblem>& problems) {
  if (problems.size() == 1)
    return {"Reload could not read " + problems.front().path + ": " + CauseClause(problems.front().cause) + ".", {}};
  CProblemsText text;
  text.summary = "Reload could not read " + Counted(problems.size(), "header", "headers") + ":";
  for (const CReloadCause cause : kCauses) {
    std::size_t count = 0;
    std::string list;
    for (const CReloadProblem& problem : problems) {
      if (problem.cause != cause) continue;
      ++count;
      list += problem.path + "\n";
    }
    if (count == 0) continue;
    text.summary += "\n" + std::string(CauseHeading(cause)) + ": " + WithThousands(count);
    text.details += (text.details.empty() ? "" : "\n") + std::string(CauseHeading(cause)) + " (" +
                    WithThousands(count) + "):\n" + list;
  }
  return text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

CProblemsText StartupProblemsText(const std::vector<std::string>& lines, std::size_t files) {
  constexpr std::size_t kLinesInTheBox = 10;
  std::string joined = JoinLines(lines);
  if (lines.size() <= kLinesInTheBox) return {joined, {}};
  return {WithThousands(lines.size()) + " of the " + WithThousands(files) + " files given at start-up could not be read:",
          joined};
}

std::string CouldNotOpenMessage(std::string_view target) { return "Could not open " + std::string(target); }

}  // namespace varnwick
