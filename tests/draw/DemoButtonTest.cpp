// The look the board's buttons are made of, end to end: a rounded button with a vertical
// gradient, a glow near its top and centred Chinese text, saved as PNG bytes and read back. The
// picture is also left beside the test as demo-button.png.
#include <cstdio>

#include "DrawTesting.h"
#include "GfxFonts.h"

namespace {

constexpr std::uint32_t kTop = 0xFF5AA0F0, kBottom = 0xFF1C3F94, kGlow = 0x90FFFFFF;
constexpr float kWidth = 120, kHeight = 48;

// The gradient's colour at a pixel row: linear from the top colour at y = 0 to the bottom one at
// y = kHeight, sampled at the pixel's centre.
std::uint32_t GradientAt(int y) {
  const double t = (y + 0.5) / kHeight;
  std::uint32_t argb = 0xFF000000;
  for (int shift : {16, 8, 0}) {
    const double c = Channel(kTop, shift) + (Channel(kBottom, shift) - Channel(kTop, shift)) * t;
    argb |= static_cast<std::uint32_t>(c + 0.5) << shift;
  }
  return argb;
}

ByteString DrawButton() {
  Canvas canvas(static_cast<int>(kWidth), static_cast<int>(kHeight), 0x00000000);
  GfxGraphics& g = canvas.graphics;
  EXPECT_TRUE(g.SetSmoothingMode(4));        // anti-aliased edges
  EXPECT_TRUE(g.SetTextRenderingHint(4));    // anti-aliased text

  GfxPath outline;
  EXPECT_TRUE(outline.Create());
  EXPECT_TRUE(outline.AddRoundRectangle(0, 0, kWidth, kHeight, 30));
  GfxLinearGradientBrush face;
  EXPECT_TRUE(face.Create({0, 0}, {0, kHeight}, kTop, kBottom));
  EXPECT_TRUE(g.FillPath(face, outline));

  // The glow: white fading out from just under the top edge, kept inside the button.
  GfxPath glowShape;
  EXPECT_TRUE(glowShape.Create());
  EXPECT_TRUE(glowShape.AddEllipse(20, -12, 80, 36));
  GfxPathGradientBrush glow;
  EXPECT_TRUE(glow.CreateFromPath(glowShape));
  EXPECT_TRUE(glow.SetCenterPoint({60, 6}));
  EXPECT_TRUE(glow.SetCenterColor(kGlow));
  const std::uint32_t clear[] = {0x00FFFFFF};
  EXPECT_TRUE(glow.SetSurroundColorsWithCount(clear));
  EXPECT_TRUE(g.SetClipPath(outline, 0));
  EXPECT_TRUE(g.FillPath(glow, glowShape));
  EXPECT_TRUE(g.ResetClip());

  GfxFont font;
  EXPECT_TRUE(font.CreateFromNameW(L"宋体", 20, 1, 2));
  GfxStringFormat centred;
  EXPECT_TRUE(centred.Create());
  EXPECT_TRUE(centred.SetAlign(1) && centred.SetLineAlign(1));
  GfxSolidBrush white;
  EXPECT_TRUE(white.Create(0xFFFFFFFF));
  EXPECT_TRUE(g.DrawStringW(L"狗叫", font, white, {0, 0, kWidth, kHeight}, centred));
  g.Flush();
  return canvas.bitmap.SaveToBytes(kPngFormat);
}

TEST(DemoButton, RendersToPngWithTheColoursTheArithmeticGives) {
  const ByteString png = DrawButton();
  ASSERT_GT(png.size(), 8u);
  if (FILE* file = std::fopen("demo-button.png", "wb")) {
    std::fwrite(png.data(), 1, png.size(), file);
    std::fclose(file);
  }

  GfxBitmap button;
  ASSERT_TRUE(button.CreateFromBytes(png));
  ASSERT_EQ(button.GetWidth(), 120u);
  ASSERT_EQ(button.GetHeight(), 48u);

  struct Probe {
    const char* what;
    int x, y;
    std::uint32_t argb;
    int tolerance;
  } probes[] = {
      {"outside the rounded corner", 0, 0, 0x00000000, 0},
      {"outside the bottom-right corner", 119, 47, 0x00000000, 0},
      {"face, bottom left", 6, 40, GradientAt(40), 3},
      {"face, right middle", 116, 24, GradientAt(24), 3},
      {"face, bottom middle", 60, 44, GradientAt(44), 3},
      {"glow centre over the face", 60, 6, Over(kGlow, GradientAt(6)), 8},
  };
  for (const Probe& p : probes) EXPECT_TRUE(ColourNear(button.GetPixel(p.x, p.y), p.argb, p.tolerance)) << p.what;

  // The text: white ink, centred on the button.
  double sx = 0, sy = 0, n = 0;
  std::uint32_t brightest = 0;
  for (int y = 12; y < 40; ++y) {
    for (int x = 20; x < 100; ++x) {
      const std::uint32_t c = button.GetPixel(x, y);
      if (Channel(c, 8) > 0xE8 && Channel(c, 0) > 0xE8 && Channel(c, 16) > 0xE8) sx += x, sy += y, ++n;
      brightest = std::max(brightest, c & 0xFFFFFF);
    }
  }
  ASSERT_GT(n, 20) << "no white text drawn";
  EXPECT_NEAR(sx / n, 59.5, 4);
  EXPECT_NEAR(sy / n, 23.5, 4);
  EXPECT_TRUE(ColourNear(0xFF000000 | brightest, 0xFFFFFFFF, 2));
}

}  // namespace
