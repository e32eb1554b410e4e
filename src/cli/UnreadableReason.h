#pragma once

#include <optional>
#include <string>

namespace varnwick {

// Why the file or folder at `path` cannot be read, in the system's words ("No such file or
// directory"); nullopt when it can be. A file must be a regular file that opens for reading, a
// folder one that can be listed. Never blocks: a FIFO is judged by its type, not opened.
std::optional<std::string> UnreadableReason(const std::string& path);

// Whether a path named to a load is a folder, and if it is, why it cannot be listed (nullopt when
// it can): what ExistsAsFolder and UnreadableReason tell of it, asked at once.
struct CFolderCheck {
  bool isFolder = false;
  std::optional<std::string> unreadable;
};
CFolderCheck CheckFolder(const std::string& path);

}  // namespace varnwick
