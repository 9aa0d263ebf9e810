#pragma once
#include <windows.h>

// The region covered by the pixels of a bitmap that differ from the key colour, in the
// bitmap's own coordinates. The caller owns the region; null when the bitmap cannot be read.
HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF keyColor);
