#pragma once
#include <windows.h>

#include "app/Layout.h"

// Creates the Win32 window of one layout control under its parent, with the shared font.
// The file-dialog control has no window of its own; it gets a hidden placeholder so that it
// can be named and found like any other control.
HWND CreateControlWindow(const ControlSpec& item, HWND parent, HFONT font);

// Frame styles of a top-level window from its layout.
DWORD WindowStyle(const WindowLayout& layout);
DWORD WindowExStyle(const WindowLayout& layout);
