// What the skin engine relies on from the graphics, paths and brushes: drawn into a bitmap and
// read back pixel by pixel.
#include <functional>
#include <vector>

#include "DrawTesting.h"
#include "GfxFonts.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF00FF00,
                        kBlue = 0xFF0000FF;

struct Probe {
  int x, y;
  std::uint32_t argb;
  int tolerance = 3;
};

struct Scene {
  const char* name;
  std::function<void(GfxGraphics&)> draw;
  std::vector<Probe> probes;
};

void FillAll(GfxGraphics& g, std::uint32_t argb) {
  GfxSolidBrush brush;
  ASSERT_TRUE(brush.Create(argb));
  ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 64, 64));
}

void FillWithGradient(GfxGraphics& g, GfxLinearGradientBrush& brush) { ASSERT_TRUE(g.FillRectangle(brush, 0, 0, 64, 64)); }

const Scene kScenes[] = {
    {"a filled rounded path covers its inside and not its cut corners",
     [](GfxGraphics& g) {
       GfxPath path;
       ASSERT_TRUE(path.Create());
       ASSERT_TRUE(path.AddRoundRectangle(8, 8, 48, 48, 50));
       GfxSolidBrush brush;
       ASSERT_TRUE(brush.Create(kRed));
       ASSERT_TRUE(g.FillPath(brush, path));
     },
     {{32, 32, kRed}, {32, 9, kRed}, {9, 32, kRed}, {9, 9, kWhite}, {54, 54, kWhite}, {4, 32, kWhite}}},
    {"a linear gradient runs from its start colour to its end colour",
     [](GfxGraphics& g) {
       GfxLinearGradientBrush brush;
       ASSERT_TRUE(brush.Create({0, 0}, {64, 0}, kRed, kBlue));
       FillWithGradient(g, brush);
     },
     {{0, 10, kRed, 6}, {63, 10, kBlue, 6}, {32, 10, 0xFF7F0080, 6}}},
    {"a linear gradient repeats beyond its end point",
     [](GfxGraphics& g) {
       GfxLinearGradientBrush brush;
       ASSERT_TRUE(brush.Create({0, 0}, {32, 0}, kRed, kBlue));
       FillWithGradient(g, brush);
     },
     {{0, 10, kRed, 10}, {31, 10, kBlue, 10}, {32, 10, kRed, 10}, {63, 10, kBlue, 10}}},
    {"a preset blend puts its colours at their positions",
     [](GfxGraphics& g) {
       GfxLinearGradientBrush brush;
       ASSERT_TRUE(brush.Create({0, 0}, {64, 0}, kBlack, kBlack));
       const std::uint32_t colors[] = {kRed, kGreen, kBlue};
       const float positions[] = {0, 0.5f, 1};
       ASSERT_TRUE(brush.SetPresetBlend(colors, positions));
       FillWithGradient(g, brush);
     },
     {{0, 10, kRed, 8}, {32, 10, kGreen, 8}, {63, 10, kBlue, 8}}},
    {"a linear blend peaks at its focus and returns to the start colour",
     [](GfxGraphics& g) {
       GfxLinearGradientBrush brush;
       ASSERT_TRUE(brush.Create({0, 0}, {64, 0}, kRed, kBlue));
       ASSERT_TRUE(brush.SetLinearBlend(0.5f, 1.0f));
       FillWithGradient(g, brush);
     },
     {{0, 10, kRed, 8}, {32, 10, kBlue, 8}, {63, 10, kRed, 8}}},
    {"a path gradient fades from its centre colour to the surround colour",
     [](GfxGraphics& g) {
       GfxPath path;
       ASSERT_TRUE(path.Create());
       ASSERT_TRUE(path.AddEllipse(0, 0, 64, 64));
       GfxPathGradientBrush brush;
       ASSERT_TRUE(brush.CreateFromPath(path));
       ASSERT_TRUE(brush.SetCenterColor(kBlue));
       const std::uint32_t surround[] = {kRed};
       ASSERT_TRUE(brush.SetSurroundColorsWithCount(surround));
       ASSERT_TRUE(brush.SetCenterPoint({32, 32}));
       ASSERT_TRUE(g.FillPath(brush, path));
     },
     {{32, 32, kBlue, 12}, {32, 1, kRed, 20}, {1, 1, kWhite}}},
    {"alpha in a colour blends with what is there",
     [](GfxGraphics& g) { FillAll(g, 0x80FF0000); },
     {{10, 10, Over(0x80FF0000, kWhite)}}},
    {"a replacing clip rectangle keeps drawing inside it",
     [](GfxGraphics& g) {
       ASSERT_TRUE(g.SetClipRect(16, 16, 32, 32, 0));
       FillAll(g, kBlack);
     },
     {{8, 8, kWhite}, {16, 16, kBlack}, {47, 47, kBlack}, {48, 48, kWhite}}},
    {"an intersecting clip keeps only the overlap",
     [](GfxGraphics& g) {
       ASSERT_TRUE(g.SetClipRect(0, 0, 32, 64, 0));
       ASSERT_TRUE(g.SetClipRect(16, 0, 48, 64, 1));
       FillAll(g, kBlack);
     },
     {{8, 10, kWhite}, {24, 10, kBlack}, {40, 10, kWhite}}},
    {"an xor clip keeps what only one of the two covers",
     [](GfxGraphics& g) {
       ASSERT_TRUE(g.SetClipRect(0, 0, 32, 64, 0));
       ASSERT_TRUE(g.SetClipRect(16, 0, 48, 64, 3));
       FillAll(g, kBlack);
     },
     {{8, 10, kBlack}, {24, 10, kWhite}, {40, 10, kBlack}}},
    {"a clip path keeps drawing inside the outline",
     [](GfxGraphics& g) {
       GfxPath path;
       ASSERT_TRUE(path.Create());
       ASSERT_TRUE(path.AddEllipse(0, 0, 64, 64));
       ASSERT_TRUE(g.SetClipPath(path, 0));
       FillAll(g, kBlack);
     },
     {{2, 2, kWhite}, {61, 61, kWhite}, {32, 32, kBlack}, {32, 2, kBlack}}},
    {"after ResetClip drawing reaches everywhere again",
     [](GfxGraphics& g) {
       ASSERT_TRUE(g.SetClipRect(16, 16, 8, 8, 0));
       ASSERT_TRUE(g.ResetClip());
       FillAll(g, kBlack);
     },
     {{2, 2, kBlack}, {61, 61, kBlack}}},
    {"Clear sets the pixels inside the clip, alpha included",
     [](GfxGraphics& g) {
       ASSERT_TRUE(g.SetClipRect(16, 16, 32, 32, 0));
       ASSERT_TRUE(g.Clear(0x8000FF00));
     },
     {{8, 8, kWhite}, {32, 32, 0x8000FF00}}},
    {"a pen strokes the outline centred on it",
     [](GfxGraphics& g) {
       GfxPen pen;
       ASSERT_TRUE(pen.CreateFromColor(kBlack, 4));
       ASSERT_TRUE(g.DrawRectangle(pen, 8, 8, 48, 48));
     },
     {{7, 32, kBlack}, {9, 32, kBlack}, {5, 32, kWhite}, {12, 32, kWhite}, {32, 32, kWhite}}},
    {"a pen made from a brush strokes with the brush",
     [](GfxGraphics& g) {
       GfxSolidBrush brush;
       ASSERT_TRUE(brush.Create(kBlue));
       GfxPen pen;
       ASSERT_TRUE(pen.CreateFromBrush(brush, 6));
       ASSERT_TRUE(g.DrawLine(pen, 0, 32, 64, 32));
     },
     {{10, 32, kBlue}, {10, 20, kWhite}}},
};

TEST(Rendering, Scenes) {
  for (const Scene& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    Canvas canvas;
    scene.draw(canvas.graphics);
    for (const Probe& p : scene.probes) EXPECT_TRUE(ColourNear(canvas.At(p.x, p.y), p.argb, p.tolerance)) << "at " << p.x << ", " << p.y;
  }
}

TEST(Rendering, DrawImageRectStretchesTheWholeImage) {
  Canvas source(40, 20);
  GfxSolidBrush red, blue;
  ASSERT_TRUE(red.Create(kRed) && blue.Create(kBlue));
  source.graphics.FillRectangle(red, 0, 0, 20, 20);
  source.graphics.FillRectangle(blue, 20, 0, 20, 20);

  Canvas canvas(80, 80);
  ASSERT_TRUE(canvas.graphics.SetInterpolationMode(5));  // nearest neighbour: no blur at the seam
  ASSERT_TRUE(canvas.graphics.SetPixelOffsetMode(4));   // half: pixel centres line up
  ASSERT_TRUE(canvas.graphics.DrawImageRect(source.bitmap, 0, 0, 80, 80));
  const Probe probes[] = {{0, 0, kRed}, {38, 40, kRed}, {0, 79, kRed}, {42, 40, kBlue}, {79, 79, kBlue}, {79, 0, kBlue}};
  for (const Probe& p : probes) EXPECT_TRUE(ColourNear(canvas.At(p.x, p.y), p.argb)) << p.x << ", " << p.y;
}

TEST(Rendering, DrawImagePlacesThePictureAtItsPixelSize) {
  Canvas source(10, 10, kRed);
  Canvas canvas;
  ASSERT_TRUE(canvas.graphics.DrawImage(source.bitmap, 20, 30));
  EXPECT_TRUE(ColourNear(canvas.At(20, 30), kRed));
  EXPECT_TRUE(ColourNear(canvas.At(29, 39), kRed));
  EXPECT_TRUE(ColourNear(canvas.At(31, 41), kWhite));
  EXPECT_TRUE(ColourNear(canvas.At(19, 29), kWhite));
}

// The middle of the pixels darker than mid-grey, or -1 when there are none.
struct Ink {
  double x = -1, y = -1;
};
Ink InkCentre(const Canvas& canvas, int width, int height) {
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (Channel(canvas.At(x, y), 8) < 128) sx += x, sy += y, ++n;
    }
  }
  return n ? Ink{sx / n, sy / n} : Ink{};
}

TEST(Rendering, DrawStringLaysTextOutByTheFormatsAlignment) {
  struct Case {
    int align, lineAlign;
    double minX, maxX, minY, maxY;
  } cases[] = {
      {1, 1, 46, 54, 28, 36},   // centred both ways: the middle of 100 x 64
      {0, 0, 0, 25, 0, 24},     // near: top left
      {2, 2, 70, 100, 40, 64},  // far: bottom right
  };
  GfxFont font;
  ASSERT_TRUE(font.CreateFromNameW(L"宋体", 20, 0, 2)) << LastGdipStatus();
  GfxSolidBrush black;
  ASSERT_TRUE(black.Create(kBlack));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    Canvas canvas(100, 64);
    GfxStringFormat format;
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE(format.SetAlign(c.align) && format.SetLineAlign(c.lineAlign));
    ASSERT_TRUE(canvas.graphics.DrawStringW(L"狗叫", font, black, {0, 0, 100, 64}, format));
    const Ink ink = InkCentre(canvas, 100, 64);
    EXPECT_GE(ink.x, c.minX);
    EXPECT_LE(ink.x, c.maxX);
    EXPECT_GE(ink.y, c.minY);
    EXPECT_LE(ink.y, c.maxY);
  }
}

TEST(Rendering, TextFormsAgreeAndEmptyTextDrawsNothing) {
  Canvas canvas(100, 64);
  GfxFont font;
  ASSERT_TRUE(font.CreateFromNameW(L"宋体", 20, 0, 2));
  GfxStringFormat format;
  ASSERT_TRUE(format.Create());
  GfxRectF ansi, wide;
  ASSERT_TRUE(canvas.graphics.MeasureString("Stop", font, {0, 0, 100, 64}, format, ansi));
  ASSERT_TRUE(canvas.graphics.MeasureStringW(L"Stop", font, {0, 0, 100, 64}, format, wide));
  EXPECT_GT(wide.width, 20);
  EXPECT_FLOAT_EQ(ansi.width, wide.width);
  EXPECT_FLOAT_EQ(ansi.height, wide.height);

  GfxSolidBrush black;
  ASSERT_TRUE(black.Create(kBlack));
  EXPECT_TRUE(canvas.graphics.DrawString("", font, black, {0, 0, 100, 64}, format));
  EXPECT_TRUE(canvas.graphics.DrawStringW(L"", font, black, {0, 0, 100, 64}, format));
  EXPECT_LT(InkCentre(canvas, 100, 64).x, 0);
}

TEST(Rendering, MeasureCharacterRangesGivesOneRegionPerRange) {
  Canvas canvas(200, 64);
  GfxFont font;
  ASSERT_TRUE(font.CreateFromNameW(L"宋体", 20, 0, 2));
  GfxStringFormat format;
  ASSERT_TRUE(format.Create());
  const GfxCharacterRange ranges[] = {{0, 1}, {2, 2}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));

  std::vector<GfxRegion> regions(3);
  regions[0].Create();
  void* kept = regions[0].GetHandle();
  EXPECT_FALSE(canvas.graphics.MeasureCharacterRangesW(L"ab cd", font, {0, 0, 200, 64}, format, 0, regions));
  EXPECT_EQ(LastGdipStatus(), 2);
  ASSERT_EQ(regions.size(), 3u);
  EXPECT_EQ(regions[0].GetHandle(), kept);

  ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges("ab cd", font, {0, 0, 200, 64}, format, 2, regions));
  ASSERT_EQ(regions.size(), 2u);
  const GfxRectF first = regions[0].GetBounds(canvas.graphics), second = regions[1].GetBounds(canvas.graphics);
  EXPECT_GT(first.width, 0);
  EXPECT_GT(second.width, first.width);  // two letters against one
  EXPECT_GT(second.x, first.x + first.width);
}

TEST(Rendering, TransformsAboutACentreKeepTheCentreInPlace) {
  struct Case {
    const char* name;
    std::function<bool(GfxGraphics&, int order)> transform;
    GfxPointF from, to;
  } cases[] = {
      {"scale 2 about (10, 10)", [](GfxGraphics& g, int order) { return g.ScaleWorldTransformAt(2, 2, {10, 10}, order); }, {11, 10}, {12, 10}},
      {"rotate 90 about (10, 10)", [](GfxGraphics& g, int order) { return g.RotateWorldTransformAt(90, {10, 10}, order); }, {11, 10}, {10, 11}},
  };
  for (const Case& c : cases) {
    for (int order : {0, 1}) {
      SCOPED_TRACE(testing::Message() << c.name << ", order " << order);
      Canvas canvas;
      ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 7));  // something before, for the order to matter
      ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
      ASSERT_TRUE(c.transform(canvas.graphics, order));
      GfxPointF points[] = {{10, 10}, c.from};
      ASSERT_TRUE(canvas.graphics.TransformPoints(2, 0, points));  // world to device
      EXPECT_NEAR(points[0].x, 10, 1e-4);
      EXPECT_NEAR(points[0].y, 10, 1e-4);
      EXPECT_NEAR(points[1].x, c.to.x, 1e-4);
      EXPECT_NEAR(points[1].y, c.to.y, 1e-4);
    }
  }
}

TEST(Rendering, QualitySettingsAreKeptByTheSurface) {
  Canvas canvas;
  GfxGraphics& g = canvas.graphics;
  ASSERT_TRUE(g.SetSmoothingMode(4) && g.SetInterpolationMode(7) && g.SetPixelOffsetMode(4) && g.SetCompositingQuality(2));
  EXPECT_EQ(g.GetSmoothingMode(), 4);
  EXPECT_EQ(g.GetInterpolationMode(), 7);
  EXPECT_EQ(g.GetPixelOffsetMode(), 4);
  EXPECT_EQ(g.GetCompositingQuality(), 2);
  const unsigned state = g.SaveGraphics();
  ASSERT_TRUE(g.SetClipRect(0, 0, 10, 10, 0));
  EXPECT_FLOAT_EQ(g.GetClipBounds().width, 10);
  EXPECT_TRUE(g.IsVisiblePoint(5, 5));
  EXPECT_FALSE(g.IsVisiblePoint(20, 20));
  ASSERT_TRUE(g.RestoreGraphics(state));
  EXPECT_TRUE(g.IsVisiblePoint(20, 20));
}

TEST(Rendering, GraphicsOnADeviceContextDrawsIntoIt) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  {
    GfxGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(dc));
    ASSERT_TRUE(g.Clear(kRed));
  }
  EXPECT_EQ(GetPixel(dc, 8, 8), RGB(255, 0, 0));
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
