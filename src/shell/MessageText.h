#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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
// 1048575 as "1,048,575".
std::string WithThousands(std::size_t number);
// The status line of a folder read.
std::string ReadProgressText(std::size_t files, std::size_t classes);

inline constexpr std::string_view kQuitQuestion = "Quit Varnwick? The loaded classes will be lost.";
inline constexpr std::string_view kFolderPickerTitle = "Open your project directory";

// The text window's declaration box, grey, when the command gives no declaration.
inline constexpr std::string_view kNoDeclarationText = "no declaration for this command";
// A link whose target the desktop could not open.
std::string CouldNotOpenMessage(std::string_view target);

}  // namespace varnwick
