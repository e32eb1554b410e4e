#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CUNCStandardActor.h"
#include "UNCResult.h"

namespace varnwick {

// Listing a folder is the one part of the POSIX actor that Linux does faster its own way: it is
// ListFolderLinux.cpp there and ListFolderPosix.cpp on the other Unix systems.

// What a listing says of an entry's kind; kUnknown has the file itself asked.
enum class ListedKind { kUnknown, kDirectory, kRegularFile, kSymlink, kOther };

// The entry `name` of `directory`. The full path is built only when the kind needs a look at the
// file: a kind the listing does not tell, or where a symbolic link leads.
CUNCFindData DescribeEntry(const std::string& directory, const char* name, ListedKind kind);

// Every entry of `directory` whose name WildcardMatch accepts for `pattern`, in the order the
// system lists them. A folder with no such entry gives kUNCNotFound.
UNCResult ListFolder(const std::string& directory, std::string_view pattern,
                     std::vector<CUNCFindData>* matches);

}  // namespace varnwick
