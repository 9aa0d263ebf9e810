#include <gtest/gtest.h>

#include "Geometry.h"

namespace {

TEST(RoundCorner, ClampsRoundnessAndTruncatesToWholeNumbers) {
  struct Case {
    float width, height;
    int roundness;
    float cornerWidth, cornerHeight;
  } cases[] = {
      {100, 40, 0, 1, 0},       // below 1 behaves as 1
      {100, 40, -7, 1, 0},
      {100, 40, 250, 100, 40},  // above 100 behaves as 100
      {99, 10, 10, 9, 1},       // 9.9 and 1.0 cut toward zero
      {0.5f, 30, 1, 0, 0},      // narrower than a pixel: no corner at all
      {120, 48, 30, 36, 14},
  };
  for (const Case& c : cases) {
    const CornerSize corner = RoundCorner(c.width, c.height, c.roundness);
    EXPECT_EQ(corner.width, c.cornerWidth) << c.width << " x " << c.height << " at " << c.roundness;
    EXPECT_EQ(corner.height, c.cornerHeight) << c.width << " x " << c.height << " at " << c.roundness;
  }
}

TEST(RotatedExtent, MeasuresBetweenOutermostPixelCentres) {
  struct Case {
    int degrees;
    float width, height;
  } cases[] = {{0, 99, 49}, {90, 49, 99}, {45, 104.65f, 104.65f}, {180, 99, 49}, {-90, 49, 99}};
  for (const Case& c : cases) {
    const RotatedSize size = RotatedExtent(100, 50, c.degrees);
    EXPECT_NEAR(size.width, c.width, 0.01) << c.degrees;
    EXPECT_NEAR(size.height, c.height, 0.01) << c.degrees;
  }
}

}  // namespace
