#pragma once

#include <string>
#include <string_view>

namespace varnwick {

// Valid UTF-8 for JSON: each byte that is not part of a well-formed UTF-8 sequence is written as
// the character U+0080 to U+00FF of the same value, so no byte of a header is lost or merged.
std::string ToValidUtf8(std::string_view bytes);

}  // namespace varnwick
