#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "CClassInfo.h"

namespace varnwick {

// Reads one declaration line of a class body into member records appended to `members`: one per
// declarator that names a member. `inDialogData` marks members of the dialog-data block;
// `className` is the name of the class whose body holds the line.
void ReadDeclaration(std::string_view line, bool inDialogData, std::string_view className,
                     std::vector<std::unique_ptr<CMemberInfo>>& members);

// The number of member records ReadDeclaration would make of `line`.
std::size_t CountDeclarators(std::string_view line);

// The check state a member of type `type` starts with, before the pointer rule.
int TypeCheckState(std::string_view type, bool inDialogData);

}  // namespace varnwick
