#pragma once

#include <string>
#include <string_view>

#include "GenerationFrame.h"

namespace varnwick {

// The element loops of Serialize and of the archive operators have one shape. They differ in
// how the list is reached and how one element is moved through the archive.
struct ListLoopStyle {
  std::string_view owner;         // before the list's name: "" (own member) or "src."
  std::string_view assertOpen;    // "ASSERT(" or "ASSERT( src."
  std::string_view storeElement;  // the line that stores *pBase
  std::string_view loadElement;   // the line that loads *pBase
};

// Writes the count, then every element.
void AppendStoreLoop(std::string& out, const MemberItem& item, const ListLoopStyle& style);
// Empties the list, then reads the count and that many new elements.
void AppendLoadLoop(std::string& out, const MemberItem& item, const ListLoopStyle& style);

}  // namespace varnwick
