#pragma once
// The drawing layer's own arithmetic, free of Windows so it is tested natively.
#include <cstdint>

// Corner arcs of a rounded rectangle: `roundness` percent (clamped to 1..100) of the width
// and height, cut to whole numbers toward zero.
struct CornerSize {
  float width = 0, height = 0;
};
CornerSize RoundCorner(float width, float height, std::int32_t roundness);

// The canvas a width x height picture needs once turned by a whole number of degrees: the
// extent of its outermost pixel centres, so at 0 degrees one less than each side.
struct RotatedSize {
  float width = 0, height = 0;
};
RotatedSize RotatedExtent(float width, float height, std::int32_t degrees);
