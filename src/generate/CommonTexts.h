#pragma once

#include <string_view>

namespace varnwick {

// Texts that several generators share, written once so their star counts cannot drift apart.
inline constexpr std::string_view kBannerA =
    "//*****************************************************************\r\n";
inline constexpr std::string_view kBannerB =
    "//***************************************************************** \r\n";
inline constexpr std::string_view kLoopHeader = "\t//****************** PtrList ******************";
inline constexpr std::string_view kLoopEnd = "\t}\r\n\t//***************************************\r\n";

inline constexpr std::string_view kGroupPrefix = "\r\n\t//****(";
inline constexpr std::string_view kGroupSuffix = "'s)****\r\n";
inline constexpr std::string_view kStoringPrefix = "\r\n\t\t// storing (";
inline constexpr std::string_view kLoadingPrefix = "\r\n\t\t// loading (";
inline constexpr std::string_view kArchiveGroupSuffix = "'s)\r\n";

inline constexpr std::string_view kUnknownElement = "CBaseClass";
inline constexpr std::string_view kNotPointerList = "***";

}  // namespace varnwick
