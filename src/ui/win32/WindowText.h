#pragma once

#include <windows.h>

#include <string>

namespace varnwick {

// A window's or control's text as the bytes the program keeps: the ANSI code page's, as the `A`
// functions give it.
std::string WindowText(HWND window);
std::string DialogItemText(HWND dialog, int id);

}  // namespace varnwick
