#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "CCatalogue.h"

namespace varnwick {

// Every text the program says to its user about what happened, in one place.

// Add, a drop, and the command-line tool: a header that yielded no class.
std::string NoClassInformationIn(std::string_view path);
// A header named at start-up that yielded no class.
std::string NoClassInformationFor(std::string_view path);
// A header over the size limit, in a message box.
std::string FileTooLargeMessage(std::string_view path);
// The same cause in the command-line tool's "PATH: REASON" lines.
std::string FileTooLargeReason();
// The lines joined by "\n".
std::string JoinLines(const std::vector<std::string>& lines);
// 1048575 as "1,048,575".
std::string WithThousands(std::size_t number);
// The status line of a folder read.
std::string ReadProgressText(std::size_t files, std::size_t classes);

// The status line after a command. Counts are written with thousands separators.
// "3 classes added", with "; the filter hides them" when it hides every one of them.
std::string ClassesAddedText(std::size_t classes, bool hiddenByFilter);
// A header added again: its classes replaced those it gave before.
std::string ClassesReadAgainText(std::string_view path, std::size_t classes);
// "412 headers read, 96 classes", and what was read again or cancelled.
std::string FolderReadText(std::size_t headers, std::size_t classes, std::size_t replaced, bool cancelled);
std::string NoHeaderFilesIn(std::string_view folder);
std::string ClassRemovedText(std::string_view name);
// "5,175 classes removed".
std::string ClassesRemovedText(std::size_t classes);
std::string ReloadText(const CReloadReport& report);
// The status line while Reload reads.
std::string ReloadProgressText(std::size_t files);

// Problems told in a box: a summary, and a list for a details area that scrolls (empty when the
// summary says it all).
struct CProblemsText {
  std::string summary;
  std::string details;
};
// Reload's problems: the headers grouped by cause.
CProblemsText ReloadProblemsText(const std::vector<CReloadProblem>& problems);
// The problems of the files the program was started with, one line each: in the box itself while
// they fit a screen; beyond that counted, the lines in the details.
CProblemsText StartupProblemsText(const std::vector<std::string>& lines, std::size_t files);

inline constexpr std::string_view kSelectClassFirst = "Select a class first";
inline constexpr std::string_view kQuitQuestion = "Quit Varnwick? The loaded classes will be lost.";
inline constexpr std::string_view kFolderPickerTitle = "Open your project directory";

// The text window's declaration box, grey, when the command gives no declaration.
inline constexpr std::string_view kNoDeclarationText = "no declaration for this command";
// A link whose target the desktop could not open.
std::string CouldNotOpenMessage(std::string_view target);

}  // namespace varnwick
