#pragma once

#include <windows.h>
#include <commctrl.h>

namespace varnwick {

// The six member-kind icons of bitmap 131, 16 pixels wide, white transparent.
HIMAGELIST LoadMemberIcons();
// The three check boxes of bitmap 23280 (empty, ticked, ticked on grey), 13 pixels wide, magenta
// transparent.
HIMAGELIST LoadCheckBoxes();

inline constexpr int kMemberIconWidth = 16;
inline constexpr int kCheckBoxWidth = 13;

}  // namespace varnwick
