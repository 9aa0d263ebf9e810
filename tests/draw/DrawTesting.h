#pragma once
// What the drawing tests share: GDI+ running for the whole program, a canvas bitmap with a
// graphics on it, and colour comparison with GDI+'s rounding in mind.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "GfxBrushes.h"
#include "GfxGraphics.h"
#include "GfxImages.h"
#include "GfxPaths.h"

// A 32-bit ARGB canvas, cleared to `background`, with a pixel-unit graphics on it.
struct Canvas {
  explicit Canvas(int width = 64, int height = 64, std::uint32_t background = 0xFFFFFFFF) {
    EXPECT_TRUE(bitmap.CreateFromScan0(width, height));
    EXPECT_TRUE(graphics.CreateFromImage(bitmap));
    EXPECT_TRUE(graphics.Clear(background));
  }
  std::uint32_t At(int x, int y) const { return bitmap.GetPixel(x, y); }
  GfxBitmap bitmap;
  GfxGraphics graphics;
};

inline int Channel(std::uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// Every channel within `tolerance` of the expected one.
inline testing::AssertionResult ColourNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 3) {
  for (int shift : {24, 16, 8, 0}) {
    if (std::abs(Channel(actual, shift) - Channel(expected, shift)) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "0x%08X, expected 0x%08X", actual, expected);
      return testing::AssertionFailure() << text;
    }
  }
  return testing::AssertionSuccess();
}

// `over` with its alpha composed onto an opaque `under`, as GDI+'s source-over gives it.
inline std::uint32_t Over(std::uint32_t over, std::uint32_t under) {
  const int a = Channel(over, 24);
  std::uint32_t result = 0xFF000000;
  for (int shift : {16, 8, 0}) {
    const int c = (Channel(over, shift) * a + Channel(under, shift) * (255 - a) + 127) / 255;
    result |= static_cast<std::uint32_t>(c) << shift;
  }
  return result;
}
