// Brushes and pens: how they are made and what they keep.
#include <vector>

#include "DrawTesting.h"

namespace {

TEST(Brush, KindsAndClones) {
  GfxSolidBrush solid;
  GfxLinearGradientBrush linear;
  GfxPathGradientBrush radial;
  const GfxPointF triangle[] = {{0, 0}, {10, 0}, {5, 10}};
  ASSERT_TRUE(solid.Create(0xFF123456));
  ASSERT_TRUE(linear.Create({0, 0}, {10, 0}, 0xFF000000, 0xFFFFFFFF));
  ASSERT_TRUE(radial.Create(triangle));
  EXPECT_EQ(solid.GetType(), 0);
  EXPECT_EQ(radial.GetType(), 3);
  EXPECT_EQ(linear.GetType(), 4);
  EXPECT_EQ(solid.GetColor(), 0xFF123456u);

  GfxSolidBrush copy;
  ASSERT_TRUE(solid.Clone(copy));
  EXPECT_NE(copy.GetHandle(), solid.GetHandle());
  ASSERT_TRUE(solid.SetColor(0xFF000000));
  EXPECT_EQ(copy.GetColor(), 0xFF123456u);
}

TEST(Brush, LinearGradientAlwaysTilesAndKeepsItsColours) {
  GfxLinearGradientBrush brush;
  ASSERT_TRUE(brush.Create({0, 0}, {10, 0}, 0xFF000000, 0xFFFFFFFF));
  ASSERT_TRUE(brush.SetWrapMode(2));
  ASSERT_TRUE(brush.Delete());
  ASSERT_TRUE(brush.Create({0, 0}, {10, 0}, 0xFF102030, 0xFF405060));
  EXPECT_EQ(brush.GetWrapMode(), 0);
  std::uint32_t start = 0, end = 0;
  ASSERT_TRUE(brush.GetColors(start, end));
  EXPECT_EQ(start, 0xFF102030u);
  EXPECT_EQ(end, 0xFF405060u);

  const std::uint32_t colors[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
  const float positions[] = {0, 0.25f, 1};
  ASSERT_TRUE(brush.SetPresetBlend(colors, positions));
  std::vector<std::uint32_t> readColors{7};
  std::vector<float> readPositions;
  EXPECT_EQ(brush.GetPresetBlend(readColors, readPositions), 3);
  EXPECT_EQ(readColors, std::vector<std::uint32_t>(std::begin(colors), std::end(colors)));
  EXPECT_FLOAT_EQ(readPositions[1], 0.25f);
}

TEST(Brush, BlendArraysThatDoNotPairUpAreRefused) {
  GfxLinearGradientBrush linear;
  ASSERT_TRUE(linear.Create({0, 0}, {10, 0}, 0xFF000000, 0xFFFFFFFF));
  const float three[] = {0, 0.5f, 1}, two[] = {0, 1};
  const std::uint32_t colors[] = {0xFF000000, 0xFFFFFFFF};
  EXPECT_FALSE(linear.SetBlend(three, two));
  EXPECT_EQ(LastGdipStatus(), 2);
  EXPECT_FALSE(linear.SetPresetBlend(colors, three));
  EXPECT_EQ(LastGdipStatus(), 2);
}

TEST(Brush, PathGradientWrapsClampedUnlessTold) {
  const GfxPointF square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  GfxPathGradientBrush clamped, tiled;
  ASSERT_TRUE(clamped.Create(square));
  ASSERT_TRUE(tiled.Create(square, 0));
  EXPECT_EQ(clamped.GetWrapMode(), 4);
  EXPECT_EQ(tiled.GetWrapMode(), 0);
  EXPECT_EQ(clamped.GetPointCount(), 4);
}

TEST(Brush, SurroundColoursReportHowManyWereTaken) {
  GfxPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRectangle(0, 0, 10, 10));
  GfxPathGradientBrush brush;
  ASSERT_TRUE(brush.CreateFromPath(path));
  const std::uint32_t colors[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFF000000};

  EXPECT_TRUE(brush.SetSurroundColorsWithCount(colors));  // count omitted: all four offered
  int count = 2;
  ASSERT_TRUE(brush.SetSurroundColorsWithCount(colors, &count));
  EXPECT_EQ(count, 2);
  count = 5;  // more than the array holds
  EXPECT_FALSE(brush.SetSurroundColorsWithCount(colors, &count));
  EXPECT_EQ(LastGdipStatus(), 2);

  ASSERT_TRUE(brush.SetCenterColor(0xFF808080));
  EXPECT_EQ(brush.GetCenterColor(), 0xFF808080u);
  ASSERT_TRUE(brush.SetCenterPoint({3, 4}));
  EXPECT_FLOAT_EQ(brush.GetCenterPoint().x, 3);
  EXPECT_FLOAT_EQ(brush.GetCenterPoint().y, 4);
}

TEST(Pen, UnitWidthAndDashes) {
  GfxPen world, pixel;
  ASSERT_TRUE(world.CreateFromColor(0xFF000000, 2));
  ASSERT_TRUE(pixel.CreateFromColor(0xFF000000, 2, 2));
  EXPECT_EQ(world.GetUnit(), 0);
  EXPECT_EQ(pixel.GetUnit(), 2);
  ASSERT_TRUE(world.SetWidth(5));
  EXPECT_FLOAT_EQ(world.GetWidth(), 5);
  EXPECT_EQ(world.GetColor(), 0xFF000000u);

  std::vector<float> dashes{1, 2, 3};
  EXPECT_EQ(world.GetDashArray(dashes), 0);
  EXPECT_TRUE(dashes.empty());
  const float pattern[] = {2, 1};
  ASSERT_TRUE(world.SetDashArray(pattern));
  EXPECT_EQ(world.GetDashArray(dashes), 2);
  EXPECT_FLOAT_EQ(dashes[0], 2);
}

TEST(Pen, TransformAboutACentre) {
  GfxPen pen;
  ASSERT_TRUE(pen.CreateFromColor(0xFF000000, 1));
  EXPECT_TRUE(pen.ScaleTransformAt(2, 2, {10, 10}));
  GfxObject matrix;
  ASSERT_TRUE(pen.GetTransform(matrix));
  EXPECT_NE(matrix.GetHandle(), nullptr);
}

}  // namespace
