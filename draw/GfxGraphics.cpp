#include "GfxGraphics.h"

#include "Flat.h"
#include "GfxBrushes.h"
#include "GfxFonts.h"
#include "GfxImages.h"
#include "GfxPaths.h"
#include "GfxText.h"

using namespace draw::flat;

namespace {

// UTF-16 text as GDI+ takes it: never a null pointer, length up to the first zero unit.
struct Utf16 {
  explicit Utf16(std::wstring_view text)
      : chars(text.empty() ? L"" : text.data()),
        length(static_cast<INT>(std::min(text.size(), text.find(L'\0')))) {}
  const WCHAR* chars;
  INT length;
};

const RectF* Layout(const GfxRectF& rect) { return Rects(rect); }

EnumerateMetafileProc Callback(GfxMetafileCallback callback) {
  return reinterpret_cast<EnumerateMetafileProc>(reinterpret_cast<void*>(callback));
}

}  // namespace

GfxGraphics::~GfxGraphics() {
  if (OwnsHandle()) Delete();
}

bool GfxGraphics::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteGraphics)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

void GfxGraphics::Flush(int intention) { GDIP(GdipFlush)(GetHandle(), intention); }

bool GfxGraphics::CreateFromHWND(HWND window, bool useIcm) {
  if (useIcm) return Record(GDIP(GdipCreateFromHWNDICM)(window, Handover<GpGraphics>(*this)));
  return Record(GDIP(GdipCreateFromHWND)(window, Handover<GpGraphics>(*this)));
}

bool GfxGraphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
  if (device) return Record(GDIP(GdipCreateFromHDC2)(dc, *device, Handover<GpGraphics>(*this)));
  return Record(GDIP(GdipCreateFromHDC)(dc, Handover<GpGraphics>(*this)));
}

bool GfxGraphics::CreateFromImage(const GfxImage& image) {
  return Record(GDIP(GdipGetImageGraphicsContext)(image, Handover<GpGraphics>(*this)));
}

HDC GfxGraphics::GetDC() { HDC dc = nullptr; return Value(GDIP(GdipGetDC)(GetHandle(), &dc), dc); }
bool GfxGraphics::ReleaseDC(HDC dc) { return Record(GDIP(GdipReleaseDC)(GetHandle(), dc)); }

bool GfxGraphics::GetRenderingOrigin(int& x, int& y) const { return Record(GDIP(GdipGetRenderingOrigin)(GetHandle(), &x, &y)); }
bool GfxGraphics::SetRenderingOrigin(int x, int y) { return Record(GDIP(GdipSetRenderingOrigin)(GetHandle(), x, y)); }
int GfxGraphics::GetCompositingMode() const { CompositingMode v{}; return Value(GDIP(GdipGetCompositingMode)(GetHandle(), &v), v); }
bool GfxGraphics::SetCompositingMode(int mode) { return Record(GDIP(GdipSetCompositingMode)(GetHandle(), mode)); }
int GfxGraphics::GetCompositingQuality() const { CompositingQuality v{}; return Value(GDIP(GdipGetCompositingQuality)(GetHandle(), &v), v); }
bool GfxGraphics::SetCompositingQuality(int quality) { return Record(GDIP(GdipSetCompositingQuality)(GetHandle(), quality)); }
bool GfxGraphics::SetTextRenderingHint(int hint) { return Record(GDIP(GdipSetTextRenderingHint)(GetHandle(), hint)); }
int GfxGraphics::GetTextRenderingHint() const { TextRenderingHint v{}; return Value(GDIP(GdipGetTextRenderingHint)(GetHandle(), &v), v); }
bool GfxGraphics::SetTextContrast(unsigned contrast) { return Record(GDIP(GdipSetTextContrast)(GetHandle(), contrast)); }
unsigned GfxGraphics::GetTextContrast() const { UINT v = 0; return Value(GDIP(GdipGetTextContrast)(GetHandle(), &v), v); }
bool GfxGraphics::SetInterpolationMode(int mode) { return Record(GDIP(GdipSetInterpolationMode)(GetHandle(), mode)); }
int GfxGraphics::GetInterpolationMode() const { InterpolationMode v{}; return Value(GDIP(GdipGetInterpolationMode)(GetHandle(), &v), v); }
bool GfxGraphics::SetSmoothingMode(int mode) { return Record(GDIP(GdipSetSmoothingMode)(GetHandle(), mode)); }
int GfxGraphics::GetSmoothingMode() const { SmoothingMode v{}; return Value(GDIP(GdipGetSmoothingMode)(GetHandle(), &v), v); }
bool GfxGraphics::SetPixelOffsetMode(int mode) { return Record(GDIP(GdipSetPixelOffsetMode)(GetHandle(), mode)); }
int GfxGraphics::GetPixelOffsetMode() const { PixelOffsetMode v{}; return Value(GDIP(GdipGetPixelOffsetMode)(GetHandle(), &v), v); }

bool GfxGraphics::SetWorldTransform(const GfxObject& matrix) { return Record(GDIP(GdipSetWorldTransform)(GetHandle(), matrix)); }

bool GfxGraphics::GetWorldTransform(GfxObject& target) const { return ReadMatrix(target, [this](GpMatrix* m) { return GDIP(GdipGetWorldTransform)(GetHandle(), m); }); }

bool GfxGraphics::ResetWorldTransform() { return Record(GDIP(GdipResetWorldTransform)(GetHandle())); }
bool GfxGraphics::MultiplyWorldTransform(const GfxObject& matrix, int order) { return Record(GDIP(GdipMultiplyWorldTransform)(GetHandle(), matrix, order)); }
bool GfxGraphics::TranslateWorldTransform(float dx, float dy, int order) { return Record(GDIP(GdipTranslateWorldTransform)(GetHandle(), dx, dy, order)); }
bool GfxGraphics::ScaleWorldTransform(float sx, float sy, int order) { return Record(GDIP(GdipScaleWorldTransform)(GetHandle(), sx, sy, order)); }

bool GfxGraphics::ScaleWorldTransformAt(float sx, float sy, GfxPointF centre, int order) {
  return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateWorldTransform(dx, dy, order); },
                     [&] { ScaleWorldTransform(sx, sy, order); });
}

bool GfxGraphics::RotateWorldTransform(float angle, int order) { return Record(GDIP(GdipRotateWorldTransform)(GetHandle(), angle, order)); }

bool GfxGraphics::RotateWorldTransformAt(float angle, GfxPointF centre, int order) {
  return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateWorldTransform(dx, dy, order); },
                     [&] { RotateWorldTransform(angle, order); });
}

bool GfxGraphics::SetPageUnit(int unit) { return Record(GDIP(GdipSetPageUnit)(GetHandle(), unit)); }
int GfxGraphics::GetPageUnit() const { GpUnit v{}; return Value(GDIP(GdipGetPageUnit)(GetHandle(), &v), v); }
bool GfxGraphics::SetPageScale(float scale) { return Record(GDIP(GdipSetPageScale)(GetHandle(), scale)); }
float GfxGraphics::GetPageScale() const { REAL v = 0; return Value(GDIP(GdipGetPageScale)(GetHandle(), &v), v); }
float GfxGraphics::GetDpiX() const { REAL v = 0; return Value(GDIP(GdipGetDpiX)(GetHandle(), &v), v); }
float GfxGraphics::GetDpiY() const { REAL v = 0; return Value(GDIP(GdipGetDpiY)(GetHandle(), &v), v); }
bool GfxGraphics::TransformPoints(int destinationSpace, int sourceSpace, std::span<GfxPointF> points) const { return Record(GDIP(GdipTransformPoints)(GetHandle(), destinationSpace, sourceSpace, Points(points), Count(points))); }
bool GfxGraphics::TransformPointsI(int destinationSpace, int sourceSpace, std::span<GfxPoint> points) const { return Record(GDIP(GdipTransformPointsI)(GetHandle(), destinationSpace, sourceSpace, Points(points), Count(points))); }
std::uint32_t GfxGraphics::GetNearestColor(std::uint32_t& argb) const { ARGB v = argb; Record(GDIP(GdipGetNearestColor)(GetHandle(), &v)); return argb = v; }

bool GfxGraphics::DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2) { return Record(GDIP(GdipDrawLine)(GetHandle(), pen, x1, y1, x2, y2)); }
bool GfxGraphics::DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2) { return Record(GDIP(GdipDrawLineI)(GetHandle(), pen, x1, y1, x2, y2)); }
bool GfxGraphics::DrawLines(const GfxPen& pen, std::span<const GfxPointF> points) { return Record(GDIP(GdipDrawLines)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawLinesI(const GfxPen& pen, std::span<const GfxPoint> points) { return Record(GDIP(GdipDrawLinesI)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawArc(const GfxPen& pen, float x, float y, float width, float height, float start, float sweep) { return Record(GDIP(GdipDrawArc)(GetHandle(), pen, x, y, width, height, start, sweep)); }
bool GfxGraphics::DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep) { return Record(GDIP(GdipDrawArcI)(GetHandle(), pen, x, y, width, height, start, sweep)); }
bool GfxGraphics::DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) { return Record(GDIP(GdipDrawBezier)(GetHandle(), pen, x1, y1, x2, y2, x3, y3, x4, y4)); }
bool GfxGraphics::DrawBezierI(const GfxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) { return Record(GDIP(GdipDrawBezierI)(GetHandle(), pen, x1, y1, x2, y2, x3, y3, x4, y4)); }
bool GfxGraphics::DrawBeziers(const GfxPen& pen, std::span<const GfxPointF> points) { return Record(GDIP(GdipDrawBeziers)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawBeziersI(const GfxPen& pen, std::span<const GfxPoint> points) { return Record(GDIP(GdipDrawBeziersI)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawRectangle(const GfxPen& pen, float x, float y, float width, float height) { return Record(GDIP(GdipDrawRectangle)(GetHandle(), pen, x, y, width, height)); }
bool GfxGraphics::DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height) { return Record(GDIP(GdipDrawRectangleI)(GetHandle(), pen, x, y, width, height)); }
bool GfxGraphics::DrawRectangles(const GfxPen& pen, std::span<const GfxRectF> rects) { return Record(GDIP(GdipDrawRectangles)(GetHandle(), pen, Rects(rects), Count(rects))); }
bool GfxGraphics::DrawRectanglesI(const GfxPen& pen, std::span<const GfxRect> rects) { return Record(GDIP(GdipDrawRectanglesI)(GetHandle(), pen, Rects(rects), Count(rects))); }
bool GfxGraphics::DrawEllipse(const GfxPen& pen, float x, float y, float width, float height) { return Record(GDIP(GdipDrawEllipse)(GetHandle(), pen, x, y, width, height)); }
bool GfxGraphics::DrawEllipseI(const GfxPen& pen, int x, int y, int width, int height) { return Record(GDIP(GdipDrawEllipseI)(GetHandle(), pen, x, y, width, height)); }
bool GfxGraphics::DrawPie(const GfxPen& pen, float x, float y, float width, float height, float start, float sweep) { return Record(GDIP(GdipDrawPie)(GetHandle(), pen, x, y, width, height, start, sweep)); }
bool GfxGraphics::DrawPieI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep) { return Record(GDIP(GdipDrawPieI)(GetHandle(), pen, x, y, width, height, start, sweep)); }
bool GfxGraphics::DrawPolygon(const GfxPen& pen, std::span<const GfxPointF> points) { return Record(GDIP(GdipDrawPolygon)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawPolygonI(const GfxPen& pen, std::span<const GfxPoint> points) { return Record(GDIP(GdipDrawPolygonI)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawPath(const GfxPen& pen, const GfxPath& path) { return Record(GDIP(GdipDrawPath)(GetHandle(), pen, path)); }
bool GfxGraphics::DrawCurve(const GfxPen& pen, std::span<const GfxPointF> points) { return Record(GDIP(GdipDrawCurve)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawCurveI(const GfxPen& pen, std::span<const GfxPoint> points) { return Record(GDIP(GdipDrawCurveI)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawCurve2(const GfxPen& pen, std::span<const GfxPointF> points, float tension) { return Record(GDIP(GdipDrawCurve2)(GetHandle(), pen, Points(points), Count(points), tension)); }
bool GfxGraphics::DrawCurve2I(const GfxPen& pen, std::span<const GfxPoint> points, float tension) { return Record(GDIP(GdipDrawCurve2I)(GetHandle(), pen, Points(points), Count(points), tension)); }
bool GfxGraphics::DrawCurve3(const GfxPen& pen, std::span<const GfxPointF> points, int offset, int segments, float tension) { return Record(GDIP(GdipDrawCurve3)(GetHandle(), pen, Points(points), Count(points), offset, segments, tension)); }
bool GfxGraphics::DrawCurve3I(const GfxPen& pen, std::span<const GfxPoint> points, int offset, int segments, float tension) { return Record(GDIP(GdipDrawCurve3I)(GetHandle(), pen, Points(points), Count(points), offset, segments, tension)); }
bool GfxGraphics::DrawClosedCurve(const GfxPen& pen, std::span<const GfxPointF> points) { return Record(GDIP(GdipDrawClosedCurve)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawClosedCurveI(const GfxPen& pen, std::span<const GfxPoint> points) { return Record(GDIP(GdipDrawClosedCurveI)(GetHandle(), pen, Points(points), Count(points))); }
bool GfxGraphics::DrawClosedCurve2(const GfxPen& pen, std::span<const GfxPointF> points, float tension) { return Record(GDIP(GdipDrawClosedCurve2)(GetHandle(), pen, Points(points), Count(points), tension)); }
bool GfxGraphics::DrawClosedCurve2I(const GfxPen& pen, std::span<const GfxPoint> points, float tension) { return Record(GDIP(GdipDrawClosedCurve2I)(GetHandle(), pen, Points(points), Count(points), tension)); }

bool GfxGraphics::Clear(std::uint32_t argb) { return Record(GDIP(GdipGraphicsClear)(GetHandle(), argb)); }
bool GfxGraphics::FillRectangle(const GfxBrush& brush, float x, float y, float width, float height) { return Record(GDIP(GdipFillRectangle)(GetHandle(), brush, x, y, width, height)); }
bool GfxGraphics::FillRectangleRecord(const GfxBrush& brush, const GfxRectF& r) { return FillRectangle(brush, r.x, r.y, r.width, r.height); }
bool GfxGraphics::FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height) { return Record(GDIP(GdipFillRectangleI)(GetHandle(), brush, x, y, width, height)); }
bool GfxGraphics::FillRectangles(const GfxBrush& brush, std::span<const GfxRectF> rects) { return Record(GDIP(GdipFillRectangles)(GetHandle(), brush, Rects(rects), Count(rects))); }
bool GfxGraphics::FillRectanglesI(const GfxBrush& brush, std::span<const GfxRect> rects) { return Record(GDIP(GdipFillRectanglesI)(GetHandle(), brush, Rects(rects), Count(rects))); }
bool GfxGraphics::FillPolygon(const GfxBrush& brush, std::span<const GfxPointF> points, int fillMode) { return Record(GDIP(GdipFillPolygon)(GetHandle(), brush, Points(points), Count(points), fillMode)); }
bool GfxGraphics::FillPolygonI(const GfxBrush& brush, std::span<const GfxPoint> points, int fillMode) { return Record(GDIP(GdipFillPolygonI)(GetHandle(), brush, Points(points), Count(points), fillMode)); }
bool GfxGraphics::FillEllipse(const GfxBrush& brush, float x, float y, float width, float height) { return Record(GDIP(GdipFillEllipse)(GetHandle(), brush, x, y, width, height)); }
bool GfxGraphics::FillEllipseI(const GfxBrush& brush, int x, int y, int width, int height) { return Record(GDIP(GdipFillEllipseI)(GetHandle(), brush, x, y, width, height)); }
bool GfxGraphics::FillPie(const GfxBrush& brush, float x, float y, float width, float height, float start, float sweep) { return Record(GDIP(GdipFillPie)(GetHandle(), brush, x, y, width, height, start, sweep)); }
bool GfxGraphics::FillPieI(const GfxBrush& brush, int x, int y, int width, int height, float start, float sweep) { return Record(GDIP(GdipFillPieI)(GetHandle(), brush, x, y, width, height, start, sweep)); }
bool GfxGraphics::FillPath(const GfxBrush& brush, const GfxPath& path) { return Record(GDIP(GdipFillPath)(GetHandle(), brush, path)); }
bool GfxGraphics::FillClosedCurve(const GfxBrush& brush, std::span<const GfxPointF> points) { return Record(GDIP(GdipFillClosedCurve)(GetHandle(), brush, Points(points), Count(points))); }
bool GfxGraphics::FillClosedCurve2(const GfxBrush& brush, std::span<const GfxPointF> points, float tension, int fillMode) { return Record(GDIP(GdipFillClosedCurve2)(GetHandle(), brush, Points(points), Count(points), tension, fillMode)); }
bool GfxGraphics::FillClosedCurveI(const GfxBrush& brush, std::span<const GfxPoint> points) { return Record(GDIP(GdipFillClosedCurveI)(GetHandle(), brush, Points(points), Count(points))); }
bool GfxGraphics::FillClosedCurve2I(const GfxBrush& brush, std::span<const GfxPoint> points, float tension, int fillMode) { return Record(GDIP(GdipFillClosedCurve2I)(GetHandle(), brush, Points(points), Count(points), tension, fillMode)); }
bool GfxGraphics::FillRegion(const GfxBrush& brush, const GfxRegion& region) { return Record(GDIP(GdipFillRegion)(GetHandle(), brush, region)); }

bool GfxGraphics::DrawString(std::string_view text, const GfxFont& font, const GfxBrush& brush, const GfxRectF& layout, const GfxStringFormat& format) { return DrawStringW(AnsiToWide(text), font, brush, layout, format); }

bool GfxGraphics::DrawStringW(std::wstring_view text, const GfxFont& font, const GfxBrush& brush, const GfxRectF& layout, const GfxStringFormat& format) {
  const Utf16 wide(text);
  return Record(GDIP(GdipDrawString)(GetHandle(), wide.chars, wide.length, font, Layout(layout), format, brush));
}

bool GfxGraphics::MeasureString(std::string_view text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat& format, GfxRectF& bounds) const { return MeasureStringW(AnsiToWide(text), font, layout, format, bounds); }

bool GfxGraphics::MeasureStringW(std::wstring_view text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat& format, GfxRectF& bounds) const {
  const Utf16 wide(text);
  RectF box;
  const bool ok = Record(GDIP(GdipMeasureString)(GetHandle(), wide.chars, wide.length, font, Layout(layout), format, &box, nullptr, nullptr));
  if (ok) bounds = {box.X, box.Y, box.Width, box.Height};
  return ok;
}

bool GfxGraphics::MeasureCharacterRanges(std::string_view text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat& format, int count, std::vector<GfxRegion>& regions) const { return MeasureCharacterRangesW(AnsiToWide(text), font, layout, format, count, regions); }

bool GfxGraphics::MeasureCharacterRangesW(std::wstring_view text, const GfxFont& font, const GfxRectF& layout, const GfxStringFormat& format, int count, std::vector<GfxRegion>& regions) const {
  if (count < 1) return Record(InvalidParameter);
  // The new regions belong to these wrappers from the start, so a failure part-way releases
  // whatever was made.
  std::vector<GfxRegion> measured(static_cast<size_t>(count));
  std::vector<GpRegion*> natives;
  for (GfxRegion& region : measured) {
    if (!region.Create()) return false;
    natives.push_back(static_cast<GpRegion*>(region.GetHandle()));
  }
  const Utf16 wide(text);
  if (!Record(GDIP(GdipMeasureCharacterRanges)(GetHandle(), wide.chars, wide.length, font, Layout(layout), format, count, natives.data()))) return false;
  regions = std::move(measured);
  return true;
}

bool GfxGraphics::DrawDriverString(std::string_view text, const GfxFont& font, const GfxBrush& brush, std::span<const GfxPointF> positions, int flags, const GfxObject& matrix) { return DrawDriverStringW(AnsiToWide(text), font, brush, positions, flags, matrix); }

bool GfxGraphics::DrawDriverStringW(std::wstring_view text, const GfxFont& font, const GfxBrush& brush, std::span<const GfxPointF> positions, int flags, const GfxObject& matrix) {
  const Utf16 wide(text);
  return Record(GDIP(GdipDrawDriverString)(GetHandle(), reinterpret_cast<const UINT16*>(wide.chars), wide.length, font, brush, Points(positions), flags, matrix));
}

bool GfxGraphics::DrawImage(const GfxImage& image, float x, float y) { return Record(GDIP(GdipDrawImage)(GetHandle(), image, x, y)); }
bool GfxGraphics::DrawImageI(const GfxImage& image, int x, int y) { return Record(GDIP(GdipDrawImageI)(GetHandle(), image, x, y)); }
bool GfxGraphics::DrawCachedBitmap(const GfxObject& cachedBitmap, float x, float y) { return Record(GDIP(GdipDrawCachedBitmap)(GetHandle(), cachedBitmap, static_cast<INT>(x), static_cast<INT>(y))); }

bool GfxGraphics::DrawImageRect(const GfxImage& image, float x, float y, float width, float height, int sourceUnit) {
  const auto sourceWidth = static_cast<float>(image.GetWidth()), sourceHeight = static_cast<float>(image.GetHeight());
  return Record(GDIP(GdipDrawImageRectRect)(GetHandle(), image, x, y, width, height, 0.0f, 0.0f, sourceWidth, sourceHeight, sourceUnit, nullptr, nullptr, nullptr));
}

bool GfxGraphics::DrawImageRectI(const GfxImage& image, int x, int y, int width, int height, int sourceUnit) {
  const auto sourceWidth = static_cast<INT>(image.GetWidth()), sourceHeight = static_cast<INT>(image.GetHeight());
  return Record(GDIP(GdipDrawImageRectRectI)(GetHandle(), image, x, y, width, height, 0, 0, sourceWidth, sourceHeight, sourceUnit, nullptr, nullptr, nullptr));
}

bool GfxGraphics::DrawImagePoints(const GfxImage& image, float x1, float y1, float x2, float y2, float x3, float y3) {
  const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Record(GDIP(GdipDrawImagePoints)(GetHandle(), image, corners, 3));
}

bool GfxGraphics::DrawImagePointsI(const GfxImage& image, int x1, int y1, int x2, int y2, int x3, int y3) {
  const Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Record(GDIP(GdipDrawImagePointsI)(GetHandle(), image, corners, 3));
}

bool GfxGraphics::DrawImagePointRect(const GfxImage& image, float x, float y, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit) { return Record(GDIP(GdipDrawImagePointRect)(GetHandle(), image, x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit)); }
bool GfxGraphics::DrawImagePointRectI(const GfxImage& image, int x, int y, int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit) { return Record(GDIP(GdipDrawImagePointRectI)(GetHandle(), image, x, y, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit)); }
bool GfxGraphics::DrawImageRectRect(const GfxImage& image, float x, float y, float width, float height, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit, const GfxObject& attributes) { return Record(GDIP(GdipDrawImageRectRect)(GetHandle(), image, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, attributes, nullptr, nullptr)); }
bool GfxGraphics::DrawImageRectRectI(const GfxImage& image, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit, const GfxObject& attributes) { return Record(GDIP(GdipDrawImageRectRectI)(GetHandle(), image, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, attributes, nullptr, nullptr)); }

bool GfxGraphics::DrawImagePointsRect(const GfxImage& image, float x1, float y1, float x2, float y2, float x3, float y3, float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit, const GfxObject& attributes) {
  const PointF corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Record(GDIP(GdipDrawImagePointsRect)(GetHandle(), image, corners, 3, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

bool GfxGraphics::DrawImagePointsRectI(const GfxImage& image, int x1, int y1, int x2, int y2, int x3, int y3, int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit, const GfxObject& attributes) {
  const Point corners[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
  return Record(GDIP(GdipDrawImagePointsRectI)(GetHandle(), image, corners, 3, sourceX, sourceY, sourceWidth, sourceHeight, sourceUnit, attributes, nullptr, nullptr));
}

bool GfxGraphics::EnumerateMetafileDestPoint(const GfxImage& metafile, const GfxPointF& destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestPoint)(GetHandle(), metafile, Points(std::span(&destination, 1)), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileDestPointI(const GfxImage& metafile, const GfxPoint& destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestPointI)(GetHandle(), metafile, Points(std::span(&destination, 1)), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileDestPoints(const GfxImage& metafile, std::span<const GfxPointF> destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestPoints)(GetHandle(), metafile, Points(destination), Count(destination), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileDestPointsI(const GfxImage& metafile, std::span<const GfxPoint> destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestPointsI)(GetHandle(), metafile, Points(destination), Count(destination), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileDestRect(const GfxImage& metafile, const GfxRectF& destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestRect)(GetHandle(), metafile, Rects(destination), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileDestRectI(const GfxImage& metafile, const GfxRect& destination, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileDestRectI)(GetHandle(), metafile, Rects(destination), Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestPoint(const GfxImage& metafile, const GfxPointF& destination, const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestPoint)(GetHandle(), metafile, Points(std::span(&destination, 1)), Rects(source), sourceUnit, Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestPointI(const GfxImage& metafile, const GfxPoint& destination, const GfxRect& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestPointI)(GetHandle(), metafile, Points(std::span(&destination, 1)), Rects(source), sourceUnit, Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestPoints(const GfxImage& metafile, std::span<const GfxPointF> destination, const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestPoints)(GetHandle(), metafile, Points(destination), Count(destination), Rects(source), sourceUnit, Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestPointsI(const GfxImage& metafile, std::span<const GfxPoint> destination, const GfxRect& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestPointsI)(GetHandle(), metafile, Points(destination), Count(destination), Rects(source), sourceUnit, Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestRect(const GfxImage& metafile, const GfxRectF& destination, const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestRect)(GetHandle(), metafile, Rects(destination), Rects(source), sourceUnit, Callback(callback), data, attributes)); }
bool GfxGraphics::EnumerateMetafileSrcRectDestRectI(const GfxImage& metafile, const GfxRect& destination, const GfxRect& source, int sourceUnit, GfxMetafileCallback callback, void* data, const GfxObject& attributes) { return Record(GDIP(GdipEnumerateMetafileSrcRectDestRectI)(GetHandle(), metafile, Rects(destination), Rects(source), sourceUnit, Callback(callback), data, attributes)); }

bool GfxGraphics::SetClipGraphics(const GfxGraphics& other, int combineMode) { return Record(GDIP(GdipSetClipGraphics)(GetHandle(), other, combineMode)); }
bool GfxGraphics::SetClipPath(const GfxPath& path, int combineMode) { return Record(GDIP(GdipSetClipPath)(GetHandle(), path, combineMode)); }
bool GfxGraphics::SetClipRect(float x, float y, float width, float height, int combineMode) { return Record(GDIP(GdipSetClipRect)(GetHandle(), x, y, width, height, combineMode)); }
bool GfxGraphics::SetClipRectI(int x, int y, int width, int height, int combineMode) { return Record(GDIP(GdipSetClipRectI)(GetHandle(), x, y, width, height, combineMode)); }
bool GfxGraphics::SetClipRegion(const GfxRegion& region, int combineMode) { return Record(GDIP(GdipSetClipRegion)(GetHandle(), region, combineMode)); }
bool GfxGraphics::SetClipHrgn(HRGN region, int combineMode) { return Record(GDIP(GdipSetClipHrgn)(GetHandle(), region, combineMode)); }
bool GfxGraphics::ResetClip() { return Record(GDIP(GdipResetClip)(GetHandle())); }
bool GfxGraphics::TranslateClip(float dx, float dy) { return Record(GDIP(GdipTranslateClip)(GetHandle(), dx, dy)); }
bool GfxGraphics::TranslateClipI(int dx, int dy) { return Record(GDIP(GdipTranslateClipI)(GetHandle(), dx, dy)); }

bool GfxGraphics::GetClip(GfxRegion& target) const {
  GfxRegion clip;
  if (!clip.Create() || !Record(GDIP(GdipGetClip)(GetHandle(), clip))) return false;
  target.SetHandle(clip.GetHandle());
  clip.SetHandle(nullptr);
  return true;
}

GfxRectF GfxGraphics::GetClipBounds() const { RectF r; return Record(GDIP(GdipGetClipBounds)(GetHandle(), &r)) ? GfxRectF{r.X, r.Y, r.Width, r.Height} : GfxRectF{}; }
GfxRect GfxGraphics::GetClipBoundsI() const { Rect r; return Record(GDIP(GdipGetClipBoundsI)(GetHandle(), &r)) ? GfxRect{r.X, r.Y, r.Width, r.Height} : GfxRect{}; }
GfxRectF GfxGraphics::GetVisibleClipBounds() const { RectF r; return Record(GDIP(GdipGetVisibleClipBounds)(GetHandle(), &r)) ? GfxRectF{r.X, r.Y, r.Width, r.Height} : GfxRectF{}; }
GfxRect GfxGraphics::GetVisibleClipBoundsI() const { Rect r; return Record(GDIP(GdipGetVisibleClipBoundsI)(GetHandle(), &r)) ? GfxRect{r.X, r.Y, r.Width, r.Height} : GfxRect{}; }
bool GfxGraphics::IsClipEmpty() const { BOOL v = FALSE; return Value(GDIP(GdipIsClipEmpty)(GetHandle(), &v), v) != FALSE; }
bool GfxGraphics::IsVisibleClipEmpty() const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleClipEmpty)(GetHandle(), &v), v) != FALSE; }
bool GfxGraphics::IsVisiblePoint(float x, float y) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisiblePoint)(GetHandle(), x, y, &v), v) != FALSE; }
bool GfxGraphics::IsVisiblePointI(int x, int y) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisiblePointI)(GetHandle(), x, y, &v), v) != FALSE; }
bool GfxGraphics::IsVisibleRect(float x, float y, float width, float height) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRect)(GetHandle(), x, y, width, height, &v), v) != FALSE; }
bool GfxGraphics::IsVisibleRectI(int x, int y, int width, int height) const { BOOL v = FALSE; return Value(GDIP(GdipIsVisibleRectI)(GetHandle(), x, y, width, height, &v), v) != FALSE; }

unsigned GfxGraphics::SaveGraphics() { GraphicsState v = 0; return Value(GDIP(GdipSaveGraphics)(GetHandle(), &v), v); }
bool GfxGraphics::RestoreGraphics(unsigned state) { return Record(GDIP(GdipRestoreGraphics)(GetHandle(), state)); }
unsigned GfxGraphics::BeginContainer(const GfxRectF& destination, const GfxRectF& source, int unit) { GraphicsContainer v = 0; return Value(GDIP(GdipBeginContainer)(GetHandle(), Rects(destination), Rects(source), unit, &v), v); }
unsigned GfxGraphics::BeginContainerI(const GfxRect& destination, const GfxRect& source, int unit) { GraphicsContainer v = 0; return Value(GDIP(GdipBeginContainerI)(GetHandle(), Rects(destination), Rects(source), unit, &v), v); }
unsigned GfxGraphics::BeginContainer2() { GraphicsContainer v = 0; return Value(GDIP(GdipBeginContainer2)(GetHandle(), &v), v); }
bool GfxGraphics::EndContainer(unsigned state) { return Record(GDIP(GdipEndContainer)(GetHandle(), state)); }
bool GfxGraphics::Comment(std::span<const std::uint8_t> data) { return Record(GDIP(GdipComment)(GetHandle(), static_cast<UINT>(data.size()), data.data())); }
