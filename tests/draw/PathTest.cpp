// Paths and regions: the outlines the skin engine fills and clips by.
#include <vector>

#include "DrawTesting.h"
#include "GfxFonts.h"

namespace {

GfxPathData RoundedData(float x, float y, float width, float height, int roundness) {
  GfxPath path;
  EXPECT_TRUE(path.Create());
  EXPECT_TRUE(path.AddRoundRectangle(x, y, width, height, roundness));
  GfxPathData data;
  EXPECT_TRUE(path.GetData(data));
  return data;
}

bool SamePoints(const GfxPathData& a, const GfxPathData& b) {
  if (a.count != b.count || a.types != b.types) return false;
  for (size_t i = 0; i < a.points.size(); ++i) {
    if (a.points[i].x != b.points[i].x || a.points[i].y != b.points[i].y) return false;
  }
  return true;
}

TEST(RoundRectangle, RoundnessOutsideOneToHundredIsClamped) {
  struct Case {
    int given, behavesAs;
  } cases[] = {{0, 1}, {-5, 1}, {250, 100}, {101, 100}};
  for (const Case& c : cases) {
    EXPECT_TRUE(SamePoints(RoundedData(4, 4, 40, 20, c.given), RoundedData(4, 4, 40, 20, c.behavesAs))) << c.given;
  }
  EXPECT_FALSE(SamePoints(RoundedData(4, 4, 40, 20, 1), RoundedData(4, 4, 40, 20, 100)));
}

TEST(RoundRectangle, CornerArcsAreCutToWholePixels) {
  // 99 x 10 at 10 percent: arcs 9 wide and 1 high, so the first arc (top right, from 270
  // degrees) starts at the top of a 9-wide ellipse whose right edge is the rectangle's.
  const GfxPathData data = RoundedData(0, 0, 99, 10, 10);
  ASSERT_GT(data.count, 4);
  EXPECT_NEAR(data.points[0].x, 99 - 9 / 2.0, 0.01);
  EXPECT_NEAR(data.points[0].y, 0, 0.01);
  EXPECT_EQ(data.types.back() & 0x80, 0x80);  // the figure is closed
}

TEST(RoundRectangle, FullRoundnessIsTheInscribedEllipse) {
  Canvas canvas;
  GfxPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRectangle(0, 0, 64, 32, 100));
  const GfxRectF bounds = path.GetWorldBounds(GfxObject(), GfxPen());
  EXPECT_NEAR(bounds.x, 0, 0.5);
  EXPECT_NEAR(bounds.width, 64, 0.5);
  EXPECT_NEAR(bounds.height, 32, 0.5);
  EXPECT_TRUE(path.IsVisiblePoint(32, 16, canvas.graphics));
  EXPECT_FALSE(path.IsVisiblePoint(4, 3, canvas.graphics));  // inside the box, outside the ellipse
}

TEST(RoundRectangle, ANarrowRectangleGetsNoCornersAndStillCloses) {
  GfxPath path;
  ASSERT_TRUE(path.Create());
  EXPECT_TRUE(path.AddRoundRectangle(0, 0, 0.5f, 20, 1));
}

TEST(Path, GetDataOfAnEmptyPathFailsWithAnEmptyRecord) {
  GfxPath path;
  ASSERT_TRUE(path.Create());
  GfxPathData data{5, {{1, 1}}, {1}};
  EXPECT_FALSE(path.GetData(data));
  EXPECT_EQ(data.count, 0);
  EXPECT_TRUE(data.points.empty());
  EXPECT_TRUE(data.types.empty());
  std::vector<GfxPointF> points;
  EXPECT_FALSE(path.GetPoints(points));
}

TEST(Path, FiguresReadBack) {
  GfxPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRectangle(1, 2, 10, 20));
  GfxPathData data;
  ASSERT_TRUE(path.GetData(data));
  ASSERT_EQ(data.count, 4);
  EXPECT_EQ(data.types, (ByteString{0, 1, 1, 0x81}));
  EXPECT_FLOAT_EQ(data.points[2].x, 11);
  EXPECT_FLOAT_EQ(data.points[2].y, 22);

  std::vector<GfxPointF> points;
  ASSERT_TRUE(path.GetPoints(points));
  EXPECT_EQ(points.size(), 4u);
  ByteString types;
  ASSERT_TRUE(path.GetTypes(types));
  EXPECT_EQ(types, data.types);

  ASSERT_TRUE(path.AddLine(0, 0, 5, 5));
  ASSERT_TRUE(path.AddArc(0, 0, 10, 10, 0, 90));
  EXPECT_GT(path.GetPointCount(), 6);
  ASSERT_TRUE(path.Reset());
  EXPECT_EQ(path.GetPointCount(), 0);
  EXPECT_EQ(path.GetFillMode(), 0);
}

TEST(Path, CloneIsAnIndependentCopy) {
  GfxPath path, copy;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
  ASSERT_TRUE(path.Clone(copy));
  EXPECT_NE(copy.GetHandle(), path.GetHandle());
  EXPECT_EQ(copy.GetPointCount(), path.GetPointCount());
  ASSERT_TRUE(path.Reset());
  EXPECT_GT(copy.GetPointCount(), 0);
}

TEST(Path, TextBecomesOutlines) {
  GfxFontFamily family;
  ASSERT_TRUE(family.CreateFromNameW(L"宋体"));
  GfxStringFormat format;
  ASSERT_TRUE(format.Create());
  GfxPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddStringW(L"狗叫", family, 24, {0, 0, 100, 40}, 0, format));
  EXPECT_GT(path.GetPointCount(), 8);
  family.Delete();
}

TEST(Region, CombineModesAndTheIntersectingDefault) {
  Canvas canvas;
  struct Case {
    const char* name;
    std::optional<int> mode;
    GfxRectF bounds;
    bool at5, at15, at25;
  } cases[] = {
      {"omitted: intersect", std::nullopt, {10, 10, 10, 10}, false, true, false},
      {"union", 2, {0, 0, 30, 30}, true, true, true},
      {"xor", 3, {0, 0, 30, 30}, true, false, true},
      {"exclude", 4, {0, 0, 20, 20}, true, false, false},
      {"replace", 0, {10, 10, 20, 20}, false, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GfxRegion region;
    ASSERT_TRUE(region.CreateFromRect({0, 0, 20, 20}));
    const GfxRectF other{10, 10, 20, 20};
    ASSERT_TRUE(c.mode ? region.CombineRect(other, *c.mode) : region.CombineRect(other));
    const GfxRectF b = region.GetBounds(canvas.graphics);
    EXPECT_FLOAT_EQ(b.x, c.bounds.x);
    EXPECT_FLOAT_EQ(b.y, c.bounds.y);
    EXPECT_FLOAT_EQ(b.width, c.bounds.width);
    EXPECT_FLOAT_EQ(b.height, c.bounds.height);
    EXPECT_EQ(region.IsVisiblePoint({5, 5}, canvas.graphics), c.at5);
    EXPECT_EQ(region.IsVisiblePoint({15, 15}, canvas.graphics), c.at15);
    EXPECT_EQ(region.IsVisiblePoint({25, 25}, canvas.graphics), c.at25);
  }
}

TEST(Region, InfiniteEmptyAndClipRoundTrip) {
  Canvas canvas;
  GfxRegion region;
  ASSERT_TRUE(region.Create());
  EXPECT_TRUE(region.IsInfinite(canvas.graphics));
  ASSERT_TRUE(region.SetEmpty());
  EXPECT_TRUE(region.IsEmpty(canvas.graphics));

  ASSERT_TRUE(canvas.graphics.SetClipRect(4, 4, 8, 8, 0));
  GfxRegion clip;
  ASSERT_TRUE(canvas.graphics.GetClip(clip));
  const GfxRectF b = clip.GetBounds(canvas.graphics);
  EXPECT_FLOAT_EQ(b.x, 4);
  EXPECT_FLOAT_EQ(b.width, 8);
}

}  // namespace
