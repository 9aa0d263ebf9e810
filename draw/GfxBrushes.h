#pragma once
// What fills and strokes are painted with: solid colours, linear and path gradients, pens.
// Operations in the order of each class's operation table; conventions as GfxGraphics.
// Colours are ARGB (0xAARRGGBB).
#include <cstdint>
#include <span>
#include <vector>

#include "GfxObject.h"

class GfxPath;

// What the three brush kinds share; never made by itself.
class GfxBrush : public GfxObject {
 public:
  GfxBrush(GfxBrush&&) noexcept = default;
  ~GfxBrush() override;

  bool Delete();
  bool Clone(GfxBrush& target) const;
  int GetType() const;

 protected:
  GfxBrush() = default;
};

class GfxSolidBrush : public GfxBrush {
 public:
  GfxSolidBrush() = default;
  void CopyFrom(const GfxSolidBrush& other) { ShareHandleOf(other); }

  bool Create(std::uint32_t argb);
  bool SetColor(std::uint32_t argb);
  std::uint32_t GetColor() const;
};

class GfxLinearGradientBrush : public GfxBrush {
 public:
  GfxLinearGradientBrush() = default;
  void CopyFrom(const GfxLinearGradientBrush& other) { ShareHandleOf(other); }

  // From the start colour at `start` to the end colour at `end`, tiled beyond them.
  bool Create(const GfxPointF& start, const GfxPointF& end, std::uint32_t startArgb, std::uint32_t endArgb);
  bool CreateI(const GfxPoint& start, const GfxPoint& end, std::uint32_t startArgb, std::uint32_t endArgb);
  bool CreateFromRect(const GfxRectF& rect, std::uint32_t argb1, std::uint32_t argb2, int gradientMode);
  bool CreateFromRectI(const GfxRect& rect, std::uint32_t argb1, std::uint32_t argb2, int gradientMode);
  bool CreateFromRectWithAngle(const GfxRectF& rect, std::uint32_t argb1, std::uint32_t argb2, float angle, bool scalable);
  bool CreateFromRectWithAngleI(const GfxRect& rect, std::uint32_t argb1, std::uint32_t argb2, float angle, bool scalable);
  bool GetColors(std::uint32_t& argb1, std::uint32_t& argb2) const;
  bool SetColors(std::uint32_t argb1, std::uint32_t argb2);
  GfxRectF GetRect() const;
  GfxRect GetRectI() const;
  bool SetGammaCorrection(bool on);
  bool GetGammaCorrection() const;
  // Factors and positions pair up: arrays of different lengths fail with InvalidParameter.
  bool SetBlend(std::span<const float> factors, std::span<const float> positions);
  int GetBlendCount() const;
  int GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
  // Colours at relative positions 0..1 along the run, in place of the two colours.
  bool SetPresetBlend(std::span<const std::uint32_t> colors, std::span<const float> positions);
  int GetPresetBlendCount() const;
  int GetPresetBlend(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const;
  bool SetSigmaBlend(float focus, float scale);
  // Start colour at 0, end colour weighted by `scale` at `focus`, start colour again at 1.
  bool SetLinearBlend(float focus, float scale);
  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
  bool GetTransform(GfxObject& target) const;
  bool SetTransform(const GfxObject& matrix);
  bool ResetTransform();
  bool MultiplyTransform(const GfxObject& matrix, int order = 0);
  bool TranslateTransform(float dx, float dy, int order = 0);
  bool ScaleTransform(float sx, float sy, int order = 0);
  bool ScaleTransformAt(float sx, float sy, GfxPointF centre, int order = 0);
  bool RotateTransform(float angle, int order = 0);
  bool RotateTransformAt(float angle, GfxPointF centre, int order = 0);
};

class GfxPathGradientBrush : public GfxBrush {
 public:
  GfxPathGradientBrush() = default;
  void CopyFrom(const GfxPathGradientBrush& other) { ShareHandleOf(other); }

  // Wrap modes: 0 tile ... 4 clamp (the default).
  bool Create(std::span<const GfxPointF> points, int wrapMode = 4);
  bool CreateI(std::span<const GfxPoint> points, int wrapMode = 4);
  bool CreateFromPath(const GfxPath& path);
  std::uint32_t GetCenterColor() const;
  bool SetCenterColor(std::uint32_t argb);
  int GetPointCount() const;
  int GetSurroundColorCount() const;
  // Reads up to `count` surround colours into `colors`; `count` becomes how many GDI+ gave.
  bool GetSurroundColorsWithCount(std::vector<std::uint32_t>& colors, int& count) const;
  // Without `count` every colour is offered. GDI+ leaves in `count` how many it took; a count
  // beyond the array fails with InvalidParameter.
  bool SetSurroundColorsWithCount(std::span<const std::uint32_t> colors, int* count = nullptr);
  // Copies the brush's outline into an existing path.
  bool GetPath(GfxPath& path) const;
  bool SetPath(const GfxPath& path);
  GfxPointF GetCenterPoint() const;
  GfxPoint GetCenterPointI() const;
  bool SetCenterPoint(const GfxPointF& point);
  bool SetCenterPointI(const GfxPoint& point);
  bool GetRect(GfxRectF& rect) const;
  bool GetRectI(GfxRect& rect) const;
  bool SetGammaCorrection(bool on);
  bool GetGammaCorrection() const;
  int GetBlendCount() const;
  bool SetBlend(std::span<const float> factors, std::span<const float> positions);
  int GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
  int GetPresetBlendCount() const;
  bool SetPresetBlend(std::span<const std::uint32_t> colors, std::span<const float> positions);
  int GetPresetBlend(std::vector<std::uint32_t>& colors, std::vector<float>& positions) const;
  bool SetSigmaBlend(float focus, float scale);
  bool SetLinearBlend(float focus, float scale);
  bool GetFocusScales(float& x, float& y) const;
  bool SetFocusScales(float x, float y);
  int GetWrapMode() const;
  bool SetWrapMode(int wrapMode);
  bool GetTransform(GfxObject& target) const;
  bool SetTransform(const GfxObject& matrix);
  bool ResetTransform();
  bool MultiplyTransform(const GfxObject& matrix, int order = 0);
  bool TranslateTransform(float dx, float dy, int order = 0);
  bool ScaleTransform(float sx, float sy, int order = 0);
  bool ScaleTransformAt(float sx, float sy, GfxPointF centre, int order = 0);
  bool RotateTransform(float angle, int order = 0);
  bool RotateTransformAt(float angle, GfxPointF centre, int order = 0);
};

class GfxPen : public GfxObject {
 public:
  GfxPen() = default;
  GfxPen(GfxPen&&) noexcept = default;
  ~GfxPen() override;
  void CopyFrom(const GfxPen& other) { ShareHandleOf(other); }

  bool Delete();
  // Units: 0 world (the default), 2 pixel, ...
  bool CreateFromColor(std::uint32_t argb, float width, int unit = 0);
  bool CreateFromBrush(const GfxBrush& brush, float width, int unit = 0);
  bool Clone(GfxPen& target) const;
  float GetWidth() const;
  bool SetWidth(float width);
  float GetUnit() const;
  bool SetUnit(float unit);
  bool SetLineCap(int startCap, int endCap, int dashCap);
  bool SetLineCap2(int startCap, int endCap, int dashCap);
  bool SetStartCap(int cap);
  bool SetEndCap(int cap);
  bool SetDashCap(int cap);
  int GetStartCap() const;
  int GetEndCap() const;
  int GetDashCap() const;
  int GetDashCap2() const;
  bool SetLineJoin(int join);
  int GetLineJoin() const;
  bool SetCustomStartCap(const GfxObject& cap);
  bool GetCustomStartCap(GfxObject& target) const;
  bool SetCustomEndCap(const GfxObject& cap);
  bool GetCustomEndCap(GfxObject& target) const;
  bool SetMiterLimit(float limit);
  float GetMiterLimit() const;
  bool SetMode(int alignment);
  int GetMode() const;
  bool SetTransform(const GfxObject& matrix);
  bool GetTransform(GfxObject& target) const;
  bool ResetTransform();
  bool MultiplyTransform(const GfxObject& matrix, int order = 0);
  bool RotateTransform(float angle, int order = 0);
  bool RotateTransformAt(float angle, GfxPointF centre, int order = 0);
  bool ScaleTransform(float sx, float sy, int order = 0);
  bool ScaleTransformAt(float sx, float sy, GfxPointF centre, int order = 0);
  bool TranslateTransform(float dx, float dy, int order = 0);
  std::uint32_t GetColor() const;
  bool SetColor(std::uint32_t argb);
  bool SetBrushFill(const GfxBrush& brush);
  bool GetBrushFill(GfxBrush& target) const;
  int GetFillType() const;
  bool SetDashStyle(int style);
  int GetDashStyle() const;
  float GetDashOffset() const;
  bool SetDashOffset(float offset);
  int GetDashArray(std::vector<float>& dashes) const;
  bool SetDashArray(std::span<const float> dashes);
  bool SetCompoundArray(std::span<const float> parts);
  int GetCompoundArray(std::vector<float>& parts) const;
};
