#pragma once

#include <cstdint>

namespace varnwick {

// 32-bit result code of a file-system operation: 0 for success, 0x8007xxxx for a failure.
using UNCResult = std::uint32_t;

inline constexpr UNCResult kUNCOk = 0;
inline constexpr UNCResult kUNCNotFound = 0x80070002;
inline constexpr UNCResult kUNCPathNotFound = 0x80070003;
inline constexpr UNCResult kUNCAccessDenied = 0x80070005;
inline constexpr UNCResult kUNCNoMoreFiles = 0x80070012;
inline constexpr UNCResult kUNCNotImplemented = 0x80070078;
inline constexpr UNCResult kUNCAlreadyExists = 0x800700B7;

// A code is a failure when it is negative as a signed 32-bit number.
inline bool UNCFailed(UNCResult code) { return (code & 0x80000000u) != 0; }

}  // namespace varnwick
