#include "MessageText.h"

#include "HeaderFile.h"

namespace varnwick {

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

std::string CouldNotOpenMessage(std::string_view target) { return "Could not open " + std::string(target); }

}  // namespace varnwick
