#include "GfxPaths.h"

#include "Flat.h"
#include "GfxBrushes.h"
#include "GfxFonts.h"
#include "GfxGraphics.h"
#include "GfxText.h"
#include "Geometry.h"

using namespace draw::flat;

namespace {

const WCHAR* Chars(std::wstring_view text) { return text.empty() ? L"" : text.data(); }
INT Length(std::wstring_view text) { return static_cast<INT>(std::min(text.size(), text.find(L'\0'))); }
const BYTE* Types(std::span<const std::uint8_t> types) { return types.data(); }

GfxRectF ToRecord(const RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
GfxRect ToRecord(const Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }

// The count to read: the one given, else the path's own; 0 when there is nothing to read.
int CountToRead(const GfxPath& path, std::optional<int> count) {
  if (count) return *count;
  INT points = 0;
  return Record(GDIP(GdipGetPointCount)(path, &points)) ? points : 0;
}

}  // namespace

GfxPath::~GfxPath() {
  if (OwnsHandle()) Delete();
}

bool GfxPath::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeletePath)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxPath::Create(int fillMode) { return Record(GDIP(GdipCreatePath)(fillMode, Handover<GpPath>(*this))); }
bool GfxPath::CreateFromPoints(std::span<const GfxPointF> points, std::span<const std::uint8_t> types, int fillMode) { return Record(GDIP(GdipCreatePath2)(Points(points), Types(types), Count(points), fillMode, Handover<GpPath>(*this))); }
bool GfxPath::CreateFromPointsI(std::span<const GfxPoint> points, std::span<const std::uint8_t> types, int fillMode) { return Record(GDIP(GdipCreatePath2I)(Points(points), Types(types), Count(points), fillMode, Handover<GpPath>(*this))); }
bool GfxPath::Clone(GfxPath& target) const { return Record(GDIP(GdipClonePath)(GetHandle(), Handover<GpPath>(target))); }
bool GfxPath::Reset() { return Record(GDIP(GdipResetPath)(GetHandle())); }
int GfxPath::GetFillMode() const { FillMode v{}; return Value(GDIP(GdipGetPathFillMode)(GetHandle(), &v), v); }
bool GfxPath::SetFillMode(int fillMode) { return Record(GDIP(GdipSetPathFillMode)(GetHandle(), fillMode)); }

bool GfxPath::GetData(GfxPathData& data) const {
  INT count = 0;
  if (!Record(GDIP(GdipGetPointCount)(GetHandle(), &count))) return false;
  data.count = count;
  data.points.assign(static_cast<size_t>(count), GfxPointF{});
  data.types.assign(static_cast<size_t>(count), 0);
  if (count <= 0) return false;
  // GDI+'s path-data record, filled straight into the caller's arrays. (The SDK's C++ form of
  // it frees its arrays on destruction; these belong to the record.)
  struct {
    INT count;
    PointF* points;
    BYTE* types;
  } native{count, Points(std::span(data.points)), data.types.data()};
  return Record(GDIP(GdipGetPathData)(GetHandle(), reinterpret_cast<GpPathData*>(&native)));
}

bool GfxPath::GetTypes(ByteString& types, std::optional<int> count) const {
  const int n = CountToRead(*this, count);
  if (n <= 0) return false;
  types.assign(static_cast<size_t>(n), 0);
  return Record(GDIP(GdipGetPathTypes)(GetHandle(), types.data(), n));
}

bool GfxPath::GetPoints(std::vector<GfxPointF>& points, std::optional<int> count) const {
  const int n = CountToRead(*this, count);
  if (n <= 0) return false;
  points.assign(static_cast<size_t>(n), GfxPointF{});
  return Record(GDIP(GdipGetPathPoints)(GetHandle(), Points(std::span(points)), n));
}

bool GfxPath::GetPointsI(std::vector<GfxPoint>& points, std::optional<int> count) const {
  const int n = CountToRead(*this, count);
  if (n <= 0) return false;
  points.assign(static_cast<size_t>(n), GfxPoint{});
  return Record(GDIP(GdipGetPathPointsI)(GetHandle(), Points(std::span(points)), n));
}

bool GfxPath::StartFigure() { return Record(GDIP(GdipStartPathFigure)(GetHandle())); }
bool GfxPath::CloseFigure() { return Record(GDIP(GdipClosePathFigure)(GetHandle())); }
bool GfxPath::CloseFigures() { return Record(GDIP(GdipClosePathFigures)(GetHandle())); }
bool GfxPath::SetMarker() { return Record(GDIP(GdipSetPathMarker)(GetHandle())); }
bool GfxPath::ClearMarkers() { return Record(GDIP(GdipClearPathMarkers)(GetHandle())); }
bool GfxPath::Reverse() { return Record(GDIP(GdipReversePath)(GetHandle())); }
GfxPointF GfxPath::GetLastPoint() const { PointF p; return Record(GDIP(GdipGetPathLastPoint)(GetHandle(), &p)) ? GfxPointF{p.X, p.Y} : GfxPointF{}; }

bool GfxPath::AddLine(float x1, float y1, float x2, float y2) { return Record(GDIP(GdipAddPathLine)(GetHandle(), x1, y1, x2, y2)); }
bool GfxPath::AddLineI(int x1, int y1, int x2, int y2) { return Record(GDIP(GdipAddPathLineI)(GetHandle(), x1, y1, x2, y2)); }
bool GfxPath::AddLine2(std::span<const GfxPointF> points) { return Record(GDIP(GdipAddPathLine2)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddLine2I(std::span<const GfxPoint> points) { return Record(GDIP(GdipAddPathLine2I)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddArc(float x, float y, float width, float height, float start, float sweep) { return Record(GDIP(GdipAddPathArc)(GetHandle(), x, y, width, height, start, sweep)); }
bool GfxPath::AddArcI(int x, int y, int width, int height, float start, float sweep) { return Record(GDIP(GdipAddPathArcI)(GetHandle(), x, y, width, height, start, sweep)); }
bool GfxPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) { return Record(GDIP(GdipAddPathBezier)(GetHandle(), x1, y1, x2, y2, x3, y3, x4, y4)); }
bool GfxPath::AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { return Record(GDIP(GdipAddPathBezierI)(GetHandle(), x1, y1, x2, y2, x3, y3, x4, y4)); }
bool GfxPath::AddBeziers(std::span<const GfxPointF> points) { return Record(GDIP(GdipAddPathBeziers)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddBeziersI(std::span<const GfxPoint> points) { return Record(GDIP(GdipAddPathBeziersI)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddCurve(std::span<const GfxPointF> points) { return Record(GDIP(GdipAddPathCurve)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddCurve2(std::span<const GfxPointF> points, float tension) { return Record(GDIP(GdipAddPathCurve2)(GetHandle(), Points(points), Count(points), tension)); }
bool GfxPath::AddCurve3(std::span<const GfxPointF> points, int offset, int segments, float tension) { return Record(GDIP(GdipAddPathCurve3)(GetHandle(), Points(points), Count(points), offset, segments, tension)); }
bool GfxPath::AddCurveI(std::span<const GfxPoint> points) { return Record(GDIP(GdipAddPathCurveI)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddCurve2I(std::span<const GfxPoint> points, float tension) { return Record(GDIP(GdipAddPathCurve2I)(GetHandle(), Points(points), Count(points), tension)); }
bool GfxPath::AddCurve3I(std::span<const GfxPoint> points, int offset, int segments, float tension) { return Record(GDIP(GdipAddPathCurve3I)(GetHandle(), Points(points), Count(points), offset, segments, tension)); }
bool GfxPath::AddClosedCurve(std::span<const GfxPointF> points) { return Record(GDIP(GdipAddPathClosedCurve)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddClosedCurve2(std::span<const GfxPointF> points, float tension) { return Record(GDIP(GdipAddPathClosedCurve2)(GetHandle(), Points(points), Count(points), tension)); }
bool GfxPath::AddClosedCurveI(std::span<const GfxPoint> points) { return Record(GDIP(GdipAddPathClosedCurveI)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddClosedCurve2I(std::span<const GfxPoint> points, float tension) { return Record(GDIP(GdipAddPathClosedCurve2I)(GetHandle(), Points(points), Count(points), tension)); }
bool GfxPath::AddRectangle(float x, float y, float width, float height) { return Record(GDIP(GdipAddPathRectangle)(GetHandle(), x, y, width, height)); }

// Four quarter arcs, clockwise from the top-right corner; GDI+ joins them with the straight
// sides. Only the closing call's status counts.
bool GfxPath::AddRoundRectangle(float x, float y, float width, float height, std::int32_t roundness) {
  const CornerSize corner = RoundCorner(width, height, roundness);
  const float cw = corner.width, ch = corner.height;
  const auto right = static_cast<float>(x + width), bottom = static_cast<float>(y + height);
  GDIP(GdipAddPathArc)(GetHandle(), right - cw, y, cw, ch, 270.0f, 90.0f);
  GDIP(GdipAddPathArc)(GetHandle(), right - cw, bottom - ch, cw, ch, 0.0f, 90.0f);
  GDIP(GdipAddPathArc)(GetHandle(), x, bottom - ch, cw, ch, 90.0f, 90.0f);
  GDIP(GdipAddPathArc)(GetHandle(), x, y, cw, ch, 180.0f, 90.0f);
  return CloseFigure();
}

bool GfxPath::AddRectangles(std::span<const GfxRectF> rects) { return Record(GDIP(GdipAddPathRectangles)(GetHandle(), Rects(rects), Count(rects))); }
bool GfxPath::AddRectangleI(int x, int y, int width, int height) { return Record(GDIP(GdipAddPathRectangleI)(GetHandle(), x, y, width, height)); }
bool GfxPath::AddRectanglesI(std::span<const GfxRect> rects) { return Record(GDIP(GdipAddPathRectanglesI)(GetHandle(), Rects(rects), Count(rects))); }
bool GfxPath::AddEllipse(float x, float y, float width, float height) { return Record(GDIP(GdipAddPathEllipse)(GetHandle(), x, y, width, height)); }
bool GfxPath::AddEllipseI(int x, int y, int width, int height) { return Record(GDIP(GdipAddPathEllipseI)(GetHandle(), x, y, width, height)); }
bool GfxPath::AddPie(float x, float y, float width, float height, float start, float sweep) { return Record(GDIP(GdipAddPathPie)(GetHandle(), x, y, width, height, start, sweep)); }
bool GfxPath::AddPieI(int x, int y, int width, int height, float start, float sweep) { return Record(GDIP(GdipAddPathPieI)(GetHandle(), x, y, width, height, start, sweep)); }
bool GfxPath::AddPolygon(std::span<const GfxPointF> points) { return Record(GDIP(GdipAddPathPolygon)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddPolygonI(std::span<const GfxPoint> points) { return Record(GDIP(GdipAddPathPolygonI)(GetHandle(), Points(points), Count(points))); }
bool GfxPath::AddPath(const GfxPath& other, bool connect) { return Record(GDIP(GdipAddPathPath)(GetHandle(), other, connect)); }
bool GfxPath::AddString(std::string_view text, const GfxFontFamily& family, std::int32_t emSize, const GfxRectF& layout, int style, const GfxStringFormat& format) { return AddStringW(AnsiToWide(text), family, emSize, layout, style, format); }
bool GfxPath::AddStringW(std::wstring_view text, const GfxFontFamily& family, std::int32_t emSize, const GfxRectF& layout, int style, const GfxStringFormat& format) { return Record(GDIP(GdipAddPathString)(GetHandle(), Chars(text), Length(text), family, style, static_cast<REAL>(emSize), Rects(layout), format)); }
bool GfxPath::AddStringI(std::string_view text, const GfxFontFamily& family, std::int32_t emSize, const GfxRect& layout, int style, const GfxStringFormat& format) { return AddStringIW(AnsiToWide(text), family, emSize, layout, style, format); }
bool GfxPath::AddStringIW(std::wstring_view text, const GfxFontFamily& family, std::int32_t emSize, const GfxRect& layout, int style, const GfxStringFormat& format) { return Record(GDIP(GdipAddPathStringI)(GetHandle(), Chars(text), Length(text), family, style, static_cast<REAL>(emSize), Rects(layout), format)); }

bool GfxPath::Transform(const GfxObject& matrix) { return Record(GDIP(GdipTransformPath)(GetHandle(), matrix)); }
GfxRectF GfxPath::GetWorldBounds(const GfxObject& matrix, const GfxPen& pen) const { RectF r; return Record(GDIP(GdipGetPathWorldBounds)(GetHandle(), &r, matrix, pen)) ? ToRecord(r) : GfxRectF{}; }
GfxRect GfxPath::GetWorldBoundsI(const GfxObject& matrix, const GfxPen& pen) const { Rect r; return Record(GDIP(GdipGetPathWorldBoundsI)(GetHandle(), &r, matrix, pen)) ? ToRecord(r) : GfxRect{}; }
bool GfxPath::Flatten(const GfxObject& matrix, float flatness) { return Record(GDIP(GdipFlattenPath)(GetHandle(), matrix, flatness)); }
bool GfxPath::Widen(const GfxPen& pen, const GfxObject& matrix, float flatness) { return Record(GDIP(GdipWidenPath)(GetHandle(), pen, matrix, flatness)); }
bool GfxPath::WindingModeOutline(const GfxObject& matrix, float flatness) { return Record(GDIP(GdipWindingModeOutline)(GetHandle(), matrix, flatness)); }
bool GfxPath::Warp(std::span<const GfxPointF> destination, const GfxRectF& source, const GfxObject& matrix, int warpMode, float flatness) { return Record(GDIP(GdipWarpPath)(GetHandle(), matrix, Points(destination), Count(destination), source.x, source.y, source.width, source.height, warpMode, flatness)); }
int GfxPath::GetPointCount() const { INT v = 0; return Value(GDIP(GdipGetPointCount)(GetHandle(), &v), v); }
bool GfxPath::IsVisiblePoint(float x, float y, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisiblePathPoint)(GetHandle(), x, y, graphics, &v), v) != FALSE; }
bool GfxPath::IsVisiblePointI(int x, int y, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisiblePathPointI)(GetHandle(), x, y, graphics, &v), v) != FALSE; }
bool GfxPath::IsOutlineVisiblePoint(float x, float y, const GfxPen& pen, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsOutlineVisiblePathPoint)(GetHandle(), x, y, pen, graphics, &v), v) != FALSE; }
bool GfxPath::IsOutlineVisiblePointI(int x, int y, const GfxPen& pen, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsOutlineVisiblePathPointI)(GetHandle(), x, y, pen, graphics, &v), v) != FALSE; }

GfxRegion::~GfxRegion() {
  if (OwnsHandle()) Delete();
}

bool GfxRegion::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteRegion)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxRegion::Create() { return Record(GDIP(GdipCreateRegion)(Handover<GpRegion>(*this))); }
bool GfxRegion::CreateFromRect(const GfxRectF& rect) { return Record(GDIP(GdipCreateRegionRect)(Rects(rect), Handover<GpRegion>(*this))); }
bool GfxRegion::CreateFromRectI(const GfxRect& rect) { return Record(GDIP(GdipCreateRegionRectI)(Rects(rect), Handover<GpRegion>(*this))); }
bool GfxRegion::CreateFromPath(const GfxPath& path) { return Record(GDIP(GdipCreateRegionPath)(path, Handover<GpRegion>(*this))); }
bool GfxRegion::CreateFromHrgn(HRGN region) { return Record(GDIP(GdipCreateRegionHrgn)(region, Handover<GpRegion>(*this))); }
bool GfxRegion::CreateFromData(std::span<const std::uint8_t> data) { return Record(GDIP(GdipCreateRegionRgnData)(data.data(), static_cast<INT>(data.size()), Handover<GpRegion>(*this))); }
bool GfxRegion::Clone(GfxRegion& target) const { return Record(GDIP(GdipCloneRegion)(GetHandle(), Handover<GpRegion>(target))); }
bool GfxRegion::SetInfinite() { return Record(GDIP(GdipSetInfinite)(GetHandle())); }
bool GfxRegion::SetEmpty() { return Record(GDIP(GdipSetEmpty)(GetHandle())); }

bool GfxRegion::CombineRect(const GfxRectF& rect, int combineMode) { return Record(GDIP(GdipCombineRegionRect)(GetHandle(), Rects(rect), combineMode)); }
bool GfxRegion::CombineRectI(const GfxRect& rect, int combineMode) { return Record(GDIP(GdipCombineRegionRectI)(GetHandle(), Rects(rect), combineMode)); }
bool GfxRegion::CombineRegion(const GfxRegion& other, int combineMode) { return Record(GDIP(GdipCombineRegionRegion)(GetHandle(), other, combineMode)); }
bool GfxRegion::CombinePath(const GfxPath& path, int combineMode) { return Record(GDIP(GdipCombineRegionPath)(GetHandle(), path, combineMode)); }
bool GfxRegion::Translate(float dx, float dy) { return Record(GDIP(GdipTranslateRegion)(GetHandle(), dx, dy)); }
bool GfxRegion::TranslateI(int dx, int dy) { return Record(GDIP(GdipTranslateRegionI)(GetHandle(), dx, dy)); }
bool GfxRegion::Transform(const GfxObject& matrix) { return Record(GDIP(GdipTransformRegion)(GetHandle(), matrix)); }

GfxRectF GfxRegion::GetBounds(const GfxGraphics& graphics) const { RectF r; return Record(GDIP(GdipGetRegionBounds)(GetHandle(), graphics, &r)) ? ToRecord(r) : GfxRectF{}; }
GfxRect GfxRegion::GetBoundsI(const GfxGraphics& graphics) const { Rect r; return Record(GDIP(GdipGetRegionBoundsI)(GetHandle(), graphics, &r)) ? ToRecord(r) : GfxRect{}; }
unsigned GfxRegion::GetDataSize() const { UINT v = 0; return Value(GDIP(GdipGetRegionDataSize)(GetHandle(), &v), v); }

ByteString GfxRegion::GetData(unsigned bufferSize, unsigned& filled) const {
  ByteString data(bufferSize);
  UINT written = 0;
  Record(GDIP(GdipGetRegionData)(GetHandle(), data.data(), bufferSize, &written));
  filled = written;
  return data;
}

HRGN GfxRegion::GetHRgn(const GfxGraphics& graphics) const { HRGN v = nullptr; return Value(GDIP(GdipGetRegionHRgn)(GetHandle(), graphics, &v), v); }
bool GfxRegion::IsEmpty(const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsEmptyRegion)(GetHandle(), graphics, &v), v) != FALSE; }
bool GfxRegion::IsInfinite(const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsInfiniteRegion)(GetHandle(), graphics, &v), v) != FALSE; }
bool GfxRegion::IsEqual(const GfxRegion& other, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsEqualRegion)(GetHandle(), other, graphics, &v), v) != FALSE; }
bool GfxRegion::IsVisiblePoint(const GfxPointF& p, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRegionPoint)(GetHandle(), p.x, p.y, graphics, &v), v) != FALSE; }
bool GfxRegion::IsVisiblePointI(const GfxPoint& p, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRegionPointI)(GetHandle(), p.x, p.y, graphics, &v), v) != FALSE; }
bool GfxRegion::IsVisibleRect(const GfxRectF& r, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRegionRect)(GetHandle(), r.x, r.y, r.width, r.height, graphics, &v), v) != FALSE; }
bool GfxRegion::IsVisibleRectI(const GfxRect& r, const GfxGraphics& graphics) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRegionRectI)(GetHandle(), r.x, r.y, r.width, r.height, graphics, &v), v) != FALSE; }
unsigned GfxRegion::GetScansCount(const GfxObject& matrix) const { UINT v = 0; return Value(GDIP(GdipGetRegionScansCount)(GetHandle(), &v, matrix), v); }

std::vector<GfxRectF> GfxRegion::GetScans(const GfxObject& matrix) const {
  std::vector<RectF> scans(GetScansCount(matrix));
  INT count = static_cast<INT>(scans.size());
  if (scans.empty() || !Record(GDIP(GdipGetRegionScans)(GetHandle(), scans.data(), &count, matrix))) return {};
  std::vector<GfxRectF> result;
  for (INT i = 0; i < count; ++i) result.push_back(ToRecord(scans[static_cast<size_t>(i)]));
  return result;
}

std::vector<GfxRect> GfxRegion::GetScansI(const GfxObject& matrix) const {
  std::vector<Rect> scans(GetScansCount(matrix));
  INT count = static_cast<INT>(scans.size());
  if (scans.empty() || !Record(GDIP(GdipGetRegionScansI)(GetHandle(), scans.data(), &count, matrix))) return {};
  std::vector<GfxRect> result;
  for (INT i = 0; i < count; ++i) result.push_back(ToRecord(scans[static_cast<size_t>(i)]));
  return result;
}
