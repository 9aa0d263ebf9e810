#include "GfxBrushes.h"

#include "Flat.h"
#include "GfxPaths.h"

using namespace draw::flat;

namespace {

GfxRectF ToRecord(const RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
GfxRect ToRecord(const Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }
const ARGB* Colors(std::span<const std::uint32_t> colors) { return reinterpret_cast<const ARGB*>(colors.data()); }

// An array getter: asks the count, sizes the arrays to it (zeroed), fills them. Answers the
// count, or 0 when it could not be asked.
template <typename Ask, typename Fill, typename... Arrays>
int ReadArrays(Ask ask, Fill fill, Arrays&... arrays) {
  INT count = 0;
  if (!Record(ask(&count))) return 0;
  (arrays.assign(static_cast<size_t>(std::max(count, 0)), {}), ...);
  Record(fill(count));
  return count;
}

}  // namespace

GfxBrush::~GfxBrush() {
  if (OwnsHandle()) Delete();
}

bool GfxBrush::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteBrush)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxBrush::Clone(GfxBrush& target) const { return Record(GDIP(GdipCloneBrush)(GetHandle(), Handover<GpBrush>(target))); }
int GfxBrush::GetType() const { BrushType v{}; return Value(GDIP(GdipGetBrushType)(GetHandle(), &v), v); }

bool GfxSolidBrush::Create(std::uint32_t argb) { return Record(GDIP(GdipCreateSolidFill)(argb, Handover<GpSolidFill>(*this))); }
bool GfxSolidBrush::SetColor(std::uint32_t argb) { return Record(GDIP(GdipSetSolidFillColor)(GetHandle(), argb)); }
std::uint32_t GfxSolidBrush::GetColor() const { ARGB v = 0; return Value(GDIP(GdipGetSolidFillColor)(GetHandle(), &v), v); }

// Linear gradients.

bool GfxLinearGradientBrush::Create(const GfxPointF& start, const GfxPointF& end, std::uint32_t startArgb, std::uint32_t endArgb) {
  const PointF from(start.x, start.y), to(end.x, end.y);
  return Record(GDIP(GdipCreateLineBrush)(&from, &to, startArgb, endArgb, WrapModeTile, Handover<GpLineGradient>(*this)));
}

bool GfxLinearGradientBrush::CreateI(const GfxPoint& start, const GfxPoint& end, std::uint32_t startArgb, std::uint32_t endArgb) {
  const Point from(start.x, start.y), to(end.x, end.y);
  return Record(GDIP(GdipCreateLineBrushI)(&from, &to, startArgb, endArgb, WrapModeTile, Handover<GpLineGradient>(*this)));
}

bool GfxLinearGradientBrush::CreateFromRect(const GfxRectF& rect, std::uint32_t argb1, std::uint32_t argb2, int gradientMode) { return Record(GDIP(GdipCreateLineBrushFromRect)(Rects(rect), argb1, argb2, gradientMode, WrapModeTile, Handover<GpLineGradient>(*this))); }
bool GfxLinearGradientBrush::CreateFromRectI(const GfxRect& rect, std::uint32_t argb1, std::uint32_t argb2, int gradientMode) { return Record(GDIP(GdipCreateLineBrushFromRectI)(Rects(rect), argb1, argb2, gradientMode, WrapModeTile, Handover<GpLineGradient>(*this))); }
bool GfxLinearGradientBrush::CreateFromRectWithAngle(const GfxRectF& rect, std::uint32_t argb1, std::uint32_t argb2, float angle, bool scalable) { return Record(GDIP(GdipCreateLineBrushFromRectWithAngle)(Rects(rect), argb1, argb2, angle, scalable, WrapModeTile, Handover<GpLineGradient>(*this))); }
bool GfxLinearGradientBrush::CreateFromRectWithAngleI(const GfxRect& rect, std::uint32_t argb1, std::uint32_t argb2, float angle, bool scalable) { return Record(GDIP(GdipCreateLineBrushFromRectWithAngleI)(Rects(rect), argb1, argb2, angle, scalable, WrapModeTile, Handover<GpLineGradient>(*this))); }

bool GfxLinearGradientBrush::GetColors(std::uint32_t& argb1, std::uint32_t& argb2) const {
  ARGB colors[2] = {};
  if (!Record(GDIP(GdipGetLineColors)(GetHandle(), colors))) return false;
  argb1 = colors[0];
  argb2 = colors[1];
  return true;
}

bool GfxLinearGradientBrush::SetColors(std::uint32_t argb1, std::uint32_t argb2) { return Record(GDIP(GdipSetLineColors)(GetHandle(), argb1, argb2)); }
GfxRectF GfxLinearGradientBrush::GetRect() const { RectF r; return Record(GDIP(GdipGetLineRect)(GetHandle(), &r)) ? ToRecord(r) : GfxRectF{}; }
GfxRect GfxLinearGradientBrush::GetRectI() const { Rect r; return Record(GDIP(GdipGetLineRectI)(GetHandle(), &r)) ? ToRecord(r) : GfxRect{}; }
bool GfxLinearGradientBrush::SetGammaCorrection(bool on) { return Record(GDIP(GdipSetLineGammaCorrection)(GetHandle(), on)); }
bool GfxLinearGradientBrush::GetGammaCorrection() const { BOOL v = FALSE; return Value(GDIP(GdipGetLineGammaCorrection)(GetHandle(), &v), v) != FALSE; }

bool GfxLinearGradientBrush::SetBlend(std::span<const float> factors, std::span<const float> positions) {
  if (factors.size() != positions.size()) return Record(InvalidParameter);
  return Record(GDIP(GdipSetLineBlend)(GetHandle(), factors.data(), positions.data(), Count(factors)));
}

int GfxLinearGradientBrush::GetBlendCount() const { INT v = 0; return Value(GDIP(GdipGetLineBlendCount)(GetHandle(), &v), v); }

int GfxLinearGradientBrush::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetLineBlendCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetLineBlend)(GetHandle(), factors.data(), positions.data(), n); }, factors, positions);
}

bool GfxLinearGradientBrush::SetPresetBlend(std::span<const std::uint32_t> colors, std::span<const float> positions) {
  if (colors.size() != positions.size()) return Record(InvalidParameter);
  return Record(GDIP(GdipSetLinePresetBlend)(GetHandle(), Colors(colors), positions.data(), Count(colors)));
}

int GfxLinearGradientBrush::GetPresetBlendCount() const { INT v = 0; return Value(GDIP(GdipGetLinePresetBlendCount)(GetHandle(), &v), v); }

int GfxLinearGradientBrush::GetPresetBlend(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetLinePresetBlendCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetLinePresetBlend)(GetHandle(), reinterpret_cast<ARGB*>(colors.data()), positions.data(), n); }, colors, positions);
}

bool GfxLinearGradientBrush::SetSigmaBlend(float focus, float scale) { return Record(GDIP(GdipSetLineSigmaBlend)(GetHandle(), focus, scale)); }
bool GfxLinearGradientBrush::SetLinearBlend(float focus, float scale) { return Record(GDIP(GdipSetLineLinearBlend)(GetHandle(), focus, scale)); }
int GfxLinearGradientBrush::GetWrapMode() const { WrapMode v{}; return Value(GDIP(GdipGetLineWrapMode)(GetHandle(), &v), v); }
bool GfxLinearGradientBrush::SetWrapMode(int wrapMode) { return Record(GDIP(GdipSetLineWrapMode)(GetHandle(), wrapMode)); }
bool GfxLinearGradientBrush::GetTransform(GfxObject& target) const { return ReadMatrix(target, [this](GpMatrix* m) { return GDIP(GdipGetLineTransform)(GetHandle(), m); }); }
bool GfxLinearGradientBrush::SetTransform(const GfxObject& matrix) { return Record(GDIP(GdipSetLineTransform)(GetHandle(), matrix)); }
bool GfxLinearGradientBrush::ResetTransform() { return Record(GDIP(GdipResetLineTransform)(GetHandle())); }
bool GfxLinearGradientBrush::MultiplyTransform(const GfxObject& matrix, int order) { return Record(GDIP(GdipMultiplyLineTransform)(GetHandle(), matrix, order)); }
bool GfxLinearGradientBrush::TranslateTransform(float dx, float dy, int order) { return Record(GDIP(GdipTranslateLineTransform)(GetHandle(), dx, dy, order)); }
bool GfxLinearGradientBrush::ScaleTransform(float sx, float sy, int order) { return Record(GDIP(GdipScaleLineTransform)(GetHandle(), sx, sy, order)); }
bool GfxLinearGradientBrush::ScaleTransformAt(float sx, float sy, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { ScaleTransform(sx, sy, order); }); }
bool GfxLinearGradientBrush::RotateTransform(float angle, int order) { return Record(GDIP(GdipRotateLineTransform)(GetHandle(), angle, order)); }
bool GfxLinearGradientBrush::RotateTransformAt(float angle, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { RotateTransform(angle, order); }); }

// Path gradients.

bool GfxPathGradientBrush::Create(std::span<const GfxPointF> points, int wrapMode) { return Record(GDIP(GdipCreatePathGradient)(Points(points), Count(points), wrapMode, Handover<GpPathGradient>(*this))); }
bool GfxPathGradientBrush::CreateI(std::span<const GfxPoint> points, int wrapMode) { return Record(GDIP(GdipCreatePathGradientI)(Points(points), Count(points), wrapMode, Handover<GpPathGradient>(*this))); }
bool GfxPathGradientBrush::CreateFromPath(const GfxPath& path) { return Record(GDIP(GdipCreatePathGradientFromPath)(path, Handover<GpPathGradient>(*this))); }
std::uint32_t GfxPathGradientBrush::GetCenterColor() const { ARGB v = 0; return Value(GDIP(GdipGetPathGradientCenterColor)(GetHandle(), &v), v); }
bool GfxPathGradientBrush::SetCenterColor(std::uint32_t argb) { return Record(GDIP(GdipSetPathGradientCenterColor)(GetHandle(), argb)); }
int GfxPathGradientBrush::GetPointCount() const { INT v = 0; return Value(GDIP(GdipGetPathGradientPointCount)(GetHandle(), &v), v); }
int GfxPathGradientBrush::GetSurroundColorCount() const { INT v = 0; return Value(GDIP(GdipGetPathGradientSurroundColorCount)(GetHandle(), &v), v); }

bool GfxPathGradientBrush::GetSurroundColorsWithCount(std::vector<std::uint32_t>& colors, int& count) const {
  colors.assign(static_cast<size_t>(std::max(count, 0)), 0);
  INT n = count;
  const bool ok = Record(GDIP(GdipGetPathGradientSurroundColorsWithCount)(GetHandle(), reinterpret_cast<ARGB*>(colors.data()), &n));
  count = n;
  return ok;
}

bool GfxPathGradientBrush::SetSurroundColorsWithCount(std::span<const std::uint32_t> colors, int* count) {
  INT n = count ? *count : Count(colors);
  if (n < 0 || static_cast<size_t>(n) > colors.size()) return Record(InvalidParameter);
  const bool ok = Record(GDIP(GdipSetPathGradientSurroundColorsWithCount)(GetHandle(), Colors(colors), &n));
  if (count) *count = n;
  return ok;
}

bool GfxPathGradientBrush::GetPath(GfxPath& path) const { return Record(GDIP(GdipGetPathGradientPath)(GetHandle(), path)); }
bool GfxPathGradientBrush::SetPath(const GfxPath& path) { return Record(GDIP(GdipSetPathGradientPath)(GetHandle(), path)); }
GfxPointF GfxPathGradientBrush::GetCenterPoint() const { PointF p; return Record(GDIP(GdipGetPathGradientCenterPoint)(GetHandle(), &p)) ? GfxPointF{p.X, p.Y} : GfxPointF{}; }
GfxPoint GfxPathGradientBrush::GetCenterPointI() const { Point p; return Record(GDIP(GdipGetPathGradientCenterPointI)(GetHandle(), &p)) ? GfxPoint{p.X, p.Y} : GfxPoint{}; }
bool GfxPathGradientBrush::SetCenterPoint(const GfxPointF& point) { const PointF p(point.x, point.y); return Record(GDIP(GdipSetPathGradientCenterPoint)(GetHandle(), &p)); }
bool GfxPathGradientBrush::SetCenterPointI(const GfxPoint& point) { const Point p(point.x, point.y); return Record(GDIP(GdipSetPathGradientCenterPointI)(GetHandle(), &p)); }
bool GfxPathGradientBrush::GetRect(GfxRectF& rect) const { RectF r; if (!Record(GDIP(GdipGetPathGradientRect)(GetHandle(), &r))) return false; rect = ToRecord(r); return true; }
bool GfxPathGradientBrush::GetRectI(GfxRect& rect) const { Rect r; if (!Record(GDIP(GdipGetPathGradientRectI)(GetHandle(), &r))) return false; rect = ToRecord(r); return true; }
bool GfxPathGradientBrush::SetGammaCorrection(bool on) { return Record(GDIP(GdipSetPathGradientGammaCorrection)(GetHandle(), on)); }
bool GfxPathGradientBrush::GetGammaCorrection() const { BOOL v = FALSE; return Value(GDIP(GdipGetPathGradientGammaCorrection)(GetHandle(), &v), v) != FALSE; }
int GfxPathGradientBrush::GetBlendCount() const { INT v = 0; return Value(GDIP(GdipGetPathGradientBlendCount)(GetHandle(), &v), v); }

bool GfxPathGradientBrush::SetBlend(std::span<const float> factors, std::span<const float> positions) {
  if (factors.size() != positions.size()) return Record(InvalidParameter);
  return Record(GDIP(GdipSetPathGradientBlend)(GetHandle(), factors.data(), positions.data(), Count(factors)));
}

int GfxPathGradientBrush::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetPathGradientBlendCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetPathGradientBlend)(GetHandle(), factors.data(), positions.data(), n); }, factors, positions);
}

int GfxPathGradientBrush::GetPresetBlendCount() const { INT v = 0; return Value(GDIP(GdipGetPathGradientPresetBlendCount)(GetHandle(), &v), v); }

bool GfxPathGradientBrush::SetPresetBlend(std::span<const std::uint32_t> colors, std::span<const float> positions) {
  if (colors.size() != positions.size()) return Record(InvalidParameter);
  return Record(GDIP(GdipSetPathGradientPresetBlend)(GetHandle(), Colors(colors), positions.data(), Count(colors)));
}

int GfxPathGradientBrush::GetPresetBlend(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetPathGradientPresetBlendCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetPathGradientPresetBlend)(GetHandle(), reinterpret_cast<ARGB*>(colors.data()), positions.data(), n); }, colors, positions);
}

bool GfxPathGradientBrush::SetSigmaBlend(float focus, float scale) { return Record(GDIP(GdipSetPathGradientSigmaBlend)(GetHandle(), focus, scale)); }
bool GfxPathGradientBrush::SetLinearBlend(float focus, float scale) { return Record(GDIP(GdipSetPathGradientLinearBlend)(GetHandle(), focus, scale)); }
bool GfxPathGradientBrush::GetFocusScales(float& x, float& y) const { return Record(GDIP(GdipGetPathGradientFocusScales)(GetHandle(), &x, &y)); }
bool GfxPathGradientBrush::SetFocusScales(float x, float y) { return Record(GDIP(GdipSetPathGradientFocusScales)(GetHandle(), x, y)); }
int GfxPathGradientBrush::GetWrapMode() const { WrapMode v{}; return Value(GDIP(GdipGetPathGradientWrapMode)(GetHandle(), &v), v); }
bool GfxPathGradientBrush::SetWrapMode(int wrapMode) { return Record(GDIP(GdipSetPathGradientWrapMode)(GetHandle(), wrapMode)); }
bool GfxPathGradientBrush::GetTransform(GfxObject& target) const { return ReadMatrix(target, [this](GpMatrix* m) { return GDIP(GdipGetPathGradientTransform)(GetHandle(), m); }); }
bool GfxPathGradientBrush::SetTransform(const GfxObject& matrix) { return Record(GDIP(GdipSetPathGradientTransform)(GetHandle(), matrix)); }
bool GfxPathGradientBrush::ResetTransform() { return Record(GDIP(GdipResetPathGradientTransform)(GetHandle())); }
bool GfxPathGradientBrush::MultiplyTransform(const GfxObject& matrix, int order) { return Record(GDIP(GdipMultiplyPathGradientTransform)(GetHandle(), matrix, order)); }
bool GfxPathGradientBrush::TranslateTransform(float dx, float dy, int order) { return Record(GDIP(GdipTranslatePathGradientTransform)(GetHandle(), dx, dy, order)); }
bool GfxPathGradientBrush::ScaleTransform(float sx, float sy, int order) { return Record(GDIP(GdipScalePathGradientTransform)(GetHandle(), sx, sy, order)); }
bool GfxPathGradientBrush::ScaleTransformAt(float sx, float sy, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { ScaleTransform(sx, sy, order); }); }
bool GfxPathGradientBrush::RotateTransform(float angle, int order) { return Record(GDIP(GdipRotatePathGradientTransform)(GetHandle(), angle, order)); }
bool GfxPathGradientBrush::RotateTransformAt(float angle, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { RotateTransform(angle, order); }); }

// Pens.

GfxPen::~GfxPen() {
  if (OwnsHandle()) Delete();
}

bool GfxPen::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeletePen)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxPen::CreateFromColor(std::uint32_t argb, float width, int unit) { return Record(GDIP(GdipCreatePen1)(argb, width, unit, Handover<GpPen>(*this))); }
bool GfxPen::CreateFromBrush(const GfxBrush& brush, float width, int unit) { return Record(GDIP(GdipCreatePen2)(brush, width, unit, Handover<GpPen>(*this))); }
bool GfxPen::Clone(GfxPen& target) const { return Record(GDIP(GdipClonePen)(GetHandle(), Handover<GpPen>(target))); }
float GfxPen::GetWidth() const { REAL v = 0; return Value(GDIP(GdipGetPenWidth)(GetHandle(), &v), v); }
bool GfxPen::SetWidth(float width) { return Record(GDIP(GdipSetPenWidth)(GetHandle(), width)); }
float GfxPen::GetUnit() const { GpUnit v{}; return static_cast<float>(Value(GDIP(GdipGetPenUnit)(GetHandle(), &v), v)); }
bool GfxPen::SetUnit(float unit) { return Record(GDIP(GdipSetPenUnit)(GetHandle(), static_cast<int>(unit))); }
bool GfxPen::SetLineCap(int startCap, int endCap, int dashCap) { return Record(GDIP(GdipSetPenLineCap197819)(GetHandle(), startCap, endCap, dashCap)); }
bool GfxPen::SetLineCap2(int startCap, int endCap, int dashCap) { return SetLineCap(startCap, endCap, dashCap); }
bool GfxPen::SetStartCap(int cap) { return Record(GDIP(GdipSetPenStartCap)(GetHandle(), cap)); }
bool GfxPen::SetEndCap(int cap) { return Record(GDIP(GdipSetPenEndCap)(GetHandle(), cap)); }
bool GfxPen::SetDashCap(int cap) { return Record(GDIP(GdipSetPenDashCap197819)(GetHandle(), cap)); }
int GfxPen::GetStartCap() const { LineCap v{}; return Value(GDIP(GdipGetPenStartCap)(GetHandle(), &v), v); }
int GfxPen::GetEndCap() const { LineCap v{}; return Value(GDIP(GdipGetPenEndCap)(GetHandle(), &v), v); }
int GfxPen::GetDashCap() const { DashCap v{}; return Value(GDIP(GdipGetPenDashCap197819)(GetHandle(), &v), v); }
int GfxPen::GetDashCap2() const { return GetDashCap(); }
bool GfxPen::SetLineJoin(int join) { return Record(GDIP(GdipSetPenLineJoin)(GetHandle(), join)); }
int GfxPen::GetLineJoin() const { LineJoin v{}; return Value(GDIP(GdipGetPenLineJoin)(GetHandle(), &v), v); }
bool GfxPen::SetCustomStartCap(const GfxObject& cap) { return Record(GDIP(GdipSetPenCustomStartCap)(GetHandle(), cap)); }
bool GfxPen::GetCustomStartCap(GfxObject& target) const { return Record(GDIP(GdipGetPenCustomStartCap)(GetHandle(), Handover<GpCustomLineCap>(target))); }
bool GfxPen::SetCustomEndCap(const GfxObject& cap) { return Record(GDIP(GdipSetPenCustomEndCap)(GetHandle(), cap)); }
bool GfxPen::GetCustomEndCap(GfxObject& target) const { return Record(GDIP(GdipGetPenCustomEndCap)(GetHandle(), Handover<GpCustomLineCap>(target))); }
bool GfxPen::SetMiterLimit(float limit) { return Record(GDIP(GdipSetPenMiterLimit)(GetHandle(), limit)); }
float GfxPen::GetMiterLimit() const { REAL v = 0; return Value(GDIP(GdipGetPenMiterLimit)(GetHandle(), &v), v); }
bool GfxPen::SetMode(int alignment) { return Record(GDIP(GdipSetPenMode)(GetHandle(), alignment)); }
int GfxPen::GetMode() const { PenAlignment v{}; return Value(GDIP(GdipGetPenMode)(GetHandle(), &v), v); }
bool GfxPen::SetTransform(const GfxObject& matrix) { return Record(GDIP(GdipSetPenTransform)(GetHandle(), matrix)); }
bool GfxPen::GetTransform(GfxObject& target) const { return ReadMatrix(target, [this](GpMatrix* m) { return GDIP(GdipGetPenTransform)(GetHandle(), m); }); }
bool GfxPen::ResetTransform() { return Record(GDIP(GdipResetPenTransform)(GetHandle())); }
bool GfxPen::MultiplyTransform(const GfxObject& matrix, int order) { return Record(GDIP(GdipMultiplyPenTransform)(GetHandle(), matrix, order)); }
bool GfxPen::RotateTransform(float angle, int order) { return Record(GDIP(GdipRotatePenTransform)(GetHandle(), angle, order)); }
bool GfxPen::RotateTransformAt(float angle, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { RotateTransform(angle, order); }); }
bool GfxPen::ScaleTransform(float sx, float sy, int order) { return Record(GDIP(GdipScalePenTransform)(GetHandle(), sx, sy, order)); }
bool GfxPen::ScaleTransformAt(float sx, float sy, GfxPointF centre, int order) { return AboutCentre(centre, order, [&](float dx, float dy) { return TranslateTransform(dx, dy, order); }, [&] { ScaleTransform(sx, sy, order); }); }
bool GfxPen::TranslateTransform(float dx, float dy, int order) { return Record(GDIP(GdipTranslatePenTransform)(GetHandle(), dx, dy, order)); }
std::uint32_t GfxPen::GetColor() const { ARGB v = 0; return Value(GDIP(GdipGetPenColor)(GetHandle(), &v), v); }
bool GfxPen::SetColor(std::uint32_t argb) { return Record(GDIP(GdipSetPenColor)(GetHandle(), argb)); }
bool GfxPen::SetBrushFill(const GfxBrush& brush) { return Record(GDIP(GdipSetPenBrushFill)(GetHandle(), brush)); }
bool GfxPen::GetBrushFill(GfxBrush& target) const { return Record(GDIP(GdipGetPenBrushFill)(GetHandle(), Handover<GpBrush>(target))); }
int GfxPen::GetFillType() const { PenType v{}; return Value(GDIP(GdipGetPenFillType)(GetHandle(), &v), v); }
bool GfxPen::SetDashStyle(int style) { return Record(GDIP(GdipSetPenDashStyle)(GetHandle(), style)); }
int GfxPen::GetDashStyle() const { DashStyle v{}; return Value(GDIP(GdipGetPenDashStyle)(GetHandle(), &v), v); }
float GfxPen::GetDashOffset() const { REAL v = 0; return Value(GDIP(GdipGetPenDashOffset)(GetHandle(), &v), v); }
bool GfxPen::SetDashOffset(float offset) { return Record(GDIP(GdipSetPenDashOffset)(GetHandle(), offset)); }

int GfxPen::GetDashArray(std::vector<float>& dashes) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetPenDashCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetPenDashArray)(GetHandle(), dashes.data(), n); }, dashes);
}

bool GfxPen::SetDashArray(std::span<const float> dashes) { return Record(GDIP(GdipSetPenDashArray)(GetHandle(), dashes.data(), Count(dashes))); }
bool GfxPen::SetCompoundArray(std::span<const float> parts) { return Record(GDIP(GdipSetPenCompoundArray)(GetHandle(), parts.data(), Count(parts))); }

int GfxPen::GetCompoundArray(std::vector<float>& parts) const {
  return ReadArrays([&](INT* n) { return GDIP(GdipGetPenCompoundCount)(GetHandle(), n); },
                    [&](INT n) { return GDIP(GdipGetPenCompoundArray)(GetHandle(), parts.data(), n); }, parts);
}
