#pragma once
// Outlines to fill, stroke and clip by (GfxPath) and the regions text measurement answers
// with (GfxRegion). Operations in the order of each class's operation table; conventions as
// GfxGraphics.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "GfxObject.h"

class GfxGraphics;
class GfxPen;
class GfxFontFamily;
class GfxStringFormat;

// A path's points and their GDI+ point types, one byte per point.
struct GfxPathData {
  std::int32_t count = 0;
  std::vector<GfxPointF> points;
  ByteString types;
};

class GfxPath : public GfxObject {
 public:
  GfxPath() = default;
  GfxPath(GfxPath&&) noexcept = default;
  ~GfxPath() override;
  void CopyFrom(const GfxPath& other) { ShareHandleOf(other); }

  bool Delete();
  // Fill modes: 0 alternate, 1 winding.
  bool Create(int fillMode = 0);
  bool CreateFromPoints(std::span<const GfxPointF> points, std::span<const std::uint8_t> types, int fillMode = 0);
  bool CreateFromPointsI(std::span<const GfxPoint> points, std::span<const std::uint8_t> types, int fillMode = 0);
  bool Clone(GfxPath& target) const;
  bool Reset();
  int GetFillMode() const;
  bool SetFillMode(int fillMode);
  // False for an empty path, leaving a record of count 0 and empty arrays.
  bool GetData(GfxPathData& data) const;
  bool GetTypes(ByteString& types, std::optional<int> count = std::nullopt) const;
  bool GetPoints(std::vector<GfxPointF>& points, std::optional<int> count = std::nullopt) const;
  bool GetPointsI(std::vector<GfxPoint>& points, std::optional<int> count = std::nullopt) const;
  bool StartFigure();
  bool CloseFigure();
  bool CloseFigures();
  bool SetMarker();
  bool ClearMarkers();
  bool Reverse();
  GfxPointF GetLastPoint() const;

  // Figures. Angles in degrees, clockwise from the positive x axis.
  bool AddLine(float x1, float y1, float x2, float y2);
  bool AddLineI(int x1, int y1, int x2, int y2);
  bool AddLine2(std::span<const GfxPointF> points);
  bool AddLine2I(std::span<const GfxPoint> points);
  bool AddArc(float x, float y, float width, float height, float start, float sweep);
  bool AddArcI(int x, int y, int width, int height, float start, float sweep);
  bool AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  bool AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  bool AddBeziers(std::span<const GfxPointF> points);
  bool AddBeziersI(std::span<const GfxPoint> points);
  bool AddCurve(std::span<const GfxPointF> points);
  bool AddCurve2(std::span<const GfxPointF> points, float tension);
  bool AddCurve3(std::span<const GfxPointF> points, int offset, int segments, float tension);
  bool AddCurveI(std::span<const GfxPoint> points);
  bool AddCurve2I(std::span<const GfxPoint> points, float tension);
  bool AddCurve3I(std::span<const GfxPoint> points, int offset, int segments, float tension);
  bool AddClosedCurve(std::span<const GfxPointF> points);
  bool AddClosedCurve2(std::span<const GfxPointF> points, float tension);
  bool AddClosedCurveI(std::span<const GfxPoint> points);
  bool AddClosedCurve2I(std::span<const GfxPoint> points, float tension);
  bool AddRectangle(float x, float y, float width, float height);
  // A closed rectangle with corner arcs `roundness` percent (clamped to 1..100) of the width
  // and height: 100 gives the inscribed ellipse. Reports the status of closing the figure.
  bool AddRoundRectangle(float x, float y, float width, float height, std::int32_t roundness);
  bool AddRectangles(std::span<const GfxRectF> rects);
  bool AddRectangleI(int x, int y, int width, int height);
  bool AddRectanglesI(std::span<const GfxRect> rects);
  bool AddEllipse(float x, float y, float width, float height);
  bool AddEllipseI(int x, int y, int width, int height);
  bool AddPie(float x, float y, float width, float height, float start, float sweep);
  bool AddPieI(int x, int y, int width, int height, float start, float sweep);
  bool AddPolygon(std::span<const GfxPointF> points);
  bool AddPolygonI(std::span<const GfxPoint> points);
  bool AddPath(const GfxPath& other, bool connect);
  bool AddString(std::string_view text, const GfxFontFamily& family, std::int32_t emSize,
                 const GfxRectF& layout, int style, const GfxStringFormat& format);
  bool AddStringW(std::wstring_view text, const GfxFontFamily& family, std::int32_t emSize,
                  const GfxRectF& layout, int style, const GfxStringFormat& format);
  bool AddStringI(std::string_view text, const GfxFontFamily& family, std::int32_t emSize,
                  const GfxRect& layout, int style, const GfxStringFormat& format);
  bool AddStringIW(std::wstring_view text, const GfxFontFamily& family, std::int32_t emSize,
                   const GfxRect& layout, int style, const GfxStringFormat& format);

  // Geometry. Matrices are carried by bare GfxObjects; an empty one means none.
  bool Transform(const GfxObject& matrix);
  GfxRectF GetWorldBounds(const GfxObject& matrix, const GfxPen& pen) const;
  GfxRect GetWorldBoundsI(const GfxObject& matrix, const GfxPen& pen) const;
  bool Flatten(const GfxObject& matrix, float flatness = 0.25f);
  bool Widen(const GfxPen& pen, const GfxObject& matrix, float flatness = 0.25f);
  bool WindingModeOutline(const GfxObject& matrix, float flatness = 0.25f);
  bool Warp(std::span<const GfxPointF> destination, const GfxRectF& source, const GfxObject& matrix,
            int warpMode = 0, float flatness = 0.25f);
  int GetPointCount() const;
  bool IsVisiblePoint(float x, float y, const GfxGraphics& graphics) const;
  bool IsVisiblePointI(int x, int y, const GfxGraphics& graphics) const;
  bool IsOutlineVisiblePoint(float x, float y, const GfxPen& pen, const GfxGraphics& graphics) const;
  bool IsOutlineVisiblePointI(int x, int y, const GfxPen& pen, const GfxGraphics& graphics) const;
};

class GfxRegion : public GfxObject {
 public:
  GfxRegion() = default;
  GfxRegion(GfxRegion&&) noexcept = default;
  ~GfxRegion() override;
  void CopyFrom(const GfxRegion& other) { ShareHandleOf(other); }

  bool Delete();
  // The infinite region.
  bool Create();
  bool CreateFromRect(const GfxRectF& rect);
  bool CreateFromRectI(const GfxRect& rect);
  bool CreateFromPath(const GfxPath& path);
  bool CreateFromHrgn(HRGN region);
  bool CreateFromData(std::span<const std::uint8_t> data);
  bool Clone(GfxRegion& target) const;
  bool SetInfinite();
  bool SetEmpty();

  // Combine modes: 0 replace, 1 intersect (the default), 2 union, 3 xor, 4 exclude, 5 complement.
  bool CombineRect(const GfxRectF& rect, int combineMode = 1);
  bool CombineRectI(const GfxRect& rect, int combineMode = 1);
  bool CombineRegion(const GfxRegion& other, int combineMode = 1);
  bool CombinePath(const GfxPath& path, int combineMode = 1);
  bool Translate(float dx, float dy);
  bool TranslateI(int dx, int dy);
  bool Transform(const GfxObject& matrix);

  GfxRectF GetBounds(const GfxGraphics& graphics) const;
  GfxRect GetBoundsI(const GfxGraphics& graphics) const;
  unsigned GetDataSize() const;
  // At most `bufferSize` bytes of the region's data; `filled` says how many GDI+ wrote.
  ByteString GetData(unsigned bufferSize, unsigned& filled) const;
  HRGN GetHRgn(const GfxGraphics& graphics) const;
  bool IsEmpty(const GfxGraphics& graphics) const;
  bool IsInfinite(const GfxGraphics& graphics) const;
  bool IsEqual(const GfxRegion& other, const GfxGraphics& graphics) const;
  bool IsVisiblePoint(const GfxPointF& point, const GfxGraphics& graphics) const;
  bool IsVisiblePointI(const GfxPoint& point, const GfxGraphics& graphics) const;
  bool IsVisibleRect(const GfxRectF& rect, const GfxGraphics& graphics) const;
  bool IsVisibleRectI(const GfxRect& rect, const GfxGraphics& graphics) const;
  unsigned GetScansCount(const GfxObject& matrix) const;
  std::vector<GfxRectF> GetScans(const GfxObject& matrix) const;
  std::vector<GfxRect> GetScansI(const GfxObject& matrix) const;
};
