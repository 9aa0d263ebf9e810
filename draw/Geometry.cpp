#include "Geometry.h"

#include <algorithm>
#include <cmath>

CornerSize RoundCorner(float width, float height, std::int32_t roundness) {
  const double percent = std::clamp(roundness, 1, 100);
  return {static_cast<float>(std::trunc(width * percent / 100.0)),
          static_cast<float>(std::trunc(height * percent / 100.0))};
}

RotatedSize RotatedExtent(float width, float height, std::int32_t degrees) {
  const float angle = static_cast<float>(degrees * 3.1415926535 / 180.0);
  const double s = std::sin(angle), c = std::cos(angle);
  const double w = (width - 1) / 2.0, h = (height - 1) / 2.0;
  struct Corner {
    double x, y;
  };
  Corner corners[4] = {{-w, h}, {w, h}, {-w, -h}, {w, -h}};
  for (Corner& p : corners) p = {p.x * c + p.y * s, p.y * c - p.x * s};
  const auto& [p1, p2, p3, p4] = corners;
  return {static_cast<float>(std::max(std::abs(p4.x - p1.x), std::abs(p3.x - p2.x))),
          static_cast<float>(std::max(std::abs(p4.y - p1.y), std::abs(p3.y - p2.y)))};
}
