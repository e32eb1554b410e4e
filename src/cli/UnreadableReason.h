#pragma once

#include <optional>
#include <string>

namespace varnwick {

// Why the file or folder at `path` cannot be read, in the system's words ("No such file or
// directory"); nullopt when it can be. A file must be a regular file that opens for reading, a
// folder one that can be listed. Never blocks: a FIFO is judged by its type, not opened.
std::optional<std::string> UnreadableReason(const std::string& path);

// UnreadableReason for a path known to name a folder: the folder is only opened, not measured first.
std::optional<std::string> FolderUnreadableReason(const std::string& path);

}  // namespace varnwick
