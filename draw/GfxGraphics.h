#pragma once
// The drawing surface of every paint routine: made on a device context or an image, given its
// quality modes, drawn on, deleted before the routine returns. One operation per GDI+ graphics
// function, in the order of the class's operation table; each stores its status as the last
// GDI+ status and answers true when it was Ok. Enumerations are GDI+'s integer values.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "GfxObject.h"

class GfxPen;
class GfxBrush;
class GfxPath;
class GfxRegion;
class GfxImage;
class GfxFont;
class GfxStringFormat;

// Metafile playback callback, as GDI+ calls it.
using GfxMetafileCallback = BOOL(CALLBACK*)(int recordType, UINT flags, UINT dataSize,
                                            const BYTE* data, void* callbackData);

class GfxGraphics : public GfxObject {
 public:
  GfxGraphics() = default;
  GfxGraphics(GfxGraphics&&) noexcept = default;
  ~GfxGraphics() override;
  void CopyFrom(const GfxGraphics& other) { ShareHandleOf(other); }

  // Life and surfaces.
  bool Delete();
  void Flush(int intention = 0);
  bool CreateFromHWND(HWND window, bool useIcm = false);
  bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
  bool CreateFromImage(const GfxImage& image);
  HDC GetDC();
  bool ReleaseDC(HDC dc);

  // Rendering settings.
  bool GetRenderingOrigin(int& x, int& y) const;
  bool SetRenderingOrigin(int x, int y);
  int GetCompositingMode() const;
  bool SetCompositingMode(int mode);
  int GetCompositingQuality() const;
  bool SetCompositingQuality(int quality);
  bool SetTextRenderingHint(int hint);
  int GetTextRenderingHint() const;
  bool SetTextContrast(unsigned contrast);
  unsigned GetTextContrast() const;
  bool SetInterpolationMode(int mode);
  int GetInterpolationMode() const;
  bool SetSmoothingMode(int mode);
  int GetSmoothingMode() const;
  bool SetPixelOffsetMode(int mode);
  int GetPixelOffsetMode() const;

  // World transform and page. Matrices are carried by bare GfxObjects.
  bool SetWorldTransform(const GfxObject& matrix);
  bool GetWorldTransform(GfxObject& target) const;
  bool ResetWorldTransform();
  bool MultiplyWorldTransform(const GfxObject& matrix, int order = 0);
  bool TranslateWorldTransform(float dx, float dy, int order = 0);
  bool ScaleWorldTransform(float sx, float sy, int order = 0);
  // Scales about the centre: with a non-zero (append) order as well as with the default.
  bool ScaleWorldTransformAt(float sx, float sy, GfxPointF centre, int order = 0);
  bool RotateWorldTransform(float angle, int order = 0);
  bool RotateWorldTransformAt(float angle, GfxPointF centre, int order = 0);
  bool SetPageUnit(int unit);
  int GetPageUnit() const;
  bool SetPageScale(float scale);
  float GetPageScale() const;
  float GetDpiX() const;
  float GetDpiY() const;
  bool TransformPoints(int destinationSpace, int sourceSpace, std::span<GfxPointF> points) const;
  bool TransformPointsI(int destinationSpace, int sourceSpace, std::span<GfxPoint> points) const;
  std::uint32_t GetNearestColor(std::uint32_t& argb) const;

  // Outlines.
  bool DrawLine(const GfxPen& pen, float x1, float y1, float x2, float y2);
  bool DrawLineI(const GfxPen& pen, int x1, int y1, int x2, int y2);
  bool DrawLines(const GfxPen& pen, std::span<const GfxPointF> points);
  bool DrawLinesI(const GfxPen& pen, std::span<const GfxPoint> points);
  bool DrawArc(const GfxPen& pen, float x, float y, float width, float height, float start, float sweep);
  bool DrawArcI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep);
  bool DrawBezier(const GfxPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  bool DrawBezierI(const GfxPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  bool DrawBeziers(const GfxPen& pen, std::span<const GfxPointF> points);
  bool DrawBeziersI(const GfxPen& pen, std::span<const GfxPoint> points);
  bool DrawRectangle(const GfxPen& pen, float x, float y, float width, float height);
  bool DrawRectangleI(const GfxPen& pen, int x, int y, int width, int height);
  bool DrawRectangles(const GfxPen& pen, std::span<const GfxRectF> rects);
  bool DrawRectanglesI(const GfxPen& pen, std::span<const GfxRect> rects);
  bool DrawEllipse(const GfxPen& pen, float x, float y, float width, float height);
  bool DrawEllipseI(const GfxPen& pen, int x, int y, int width, int height);
  bool DrawPie(const GfxPen& pen, float x, float y, float width, float height, float start, float sweep);
  bool DrawPieI(const GfxPen& pen, int x, int y, int width, int height, float start, float sweep);
  bool DrawPolygon(const GfxPen& pen, std::span<const GfxPointF> points);
  bool DrawPolygonI(const GfxPen& pen, std::span<const GfxPoint> points);
  bool DrawPath(const GfxPen& pen, const GfxPath& path);
  bool DrawCurve(const GfxPen& pen, std::span<const GfxPointF> points);
  bool DrawCurveI(const GfxPen& pen, std::span<const GfxPoint> points);
  bool DrawCurve2(const GfxPen& pen, std::span<const GfxPointF> points, float tension);
  bool DrawCurve2I(const GfxPen& pen, std::span<const GfxPoint> points, float tension);
  bool DrawCurve3(const GfxPen& pen, std::span<const GfxPointF> points, int offset, int segments, float tension);
  bool DrawCurve3I(const GfxPen& pen, std::span<const GfxPoint> points, int offset, int segments, float tension);
  bool DrawClosedCurve(const GfxPen& pen, std::span<const GfxPointF> points);
  bool DrawClosedCurveI(const GfxPen& pen, std::span<const GfxPoint> points);
  bool DrawClosedCurve2(const GfxPen& pen, std::span<const GfxPointF> points, float tension);
  bool DrawClosedCurve2I(const GfxPen& pen, std::span<const GfxPoint> points, float tension);

  // Fills. Clear sets every pixel inside the clip, alpha included.
  bool Clear(std::uint32_t argb);
  bool FillRectangle(const GfxBrush& brush, float x, float y, float width, float height);
  bool FillRectangleRecord(const GfxBrush& brush, const GfxRectF& rect);
  bool FillRectangleI(const GfxBrush& brush, int x, int y, int width, int height);
  bool FillRectangles(const GfxBrush& brush, std::span<const GfxRectF> rects);
  bool FillRectanglesI(const GfxBrush& brush, std::span<const GfxRect> rects);
  bool FillPolygon(const GfxBrush& brush, std::span<const GfxPointF> points, int fillMode = 0);
  bool FillPolygonI(const GfxBrush& brush, std::span<const GfxPoint> points, int fillMode = 0);
  bool FillEllipse(const GfxBrush& brush, float x, float y, float width, float height);
  bool FillEllipseI(const GfxBrush& brush, int x, int y, int width, int height);
  bool FillPie(const GfxBrush& brush, float x, float y, float width, float height, float start, float sweep);
  bool FillPieI(const GfxBrush& brush, int x, int y, int width, int height, float start, float sweep);
  bool FillPath(const GfxBrush& brush, const GfxPath& path);
  bool FillClosedCurve(const GfxBrush& brush, std::span<const GfxPointF> points);
  bool FillClosedCurve2(const GfxBrush& brush, std::span<const GfxPointF> points, float tension, int fillMode = 0);
  bool FillClosedCurveI(const GfxBrush& brush, std::span<const GfxPoint> points);
  bool FillClosedCurve2I(const GfxBrush& brush, std::span<const GfxPoint> points, float tension, int fillMode = 0);
  bool FillRegion(const GfxBrush& brush, const GfxRegion& region);

  // Text: the ANSI forms convert from the system code page; the W forms are the program's.
  bool DrawString(std::string_view text, const GfxFont& font, const GfxBrush& brush,
                  const GfxRectF& layout, const GfxStringFormat& format);
  bool DrawStringW(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                   const GfxRectF& layout, const GfxStringFormat& format);
  bool MeasureString(std::string_view text, const GfxFont& font, const GfxRectF& layout,
                     const GfxStringFormat& format, GfxRectF& bounds) const;
  bool MeasureStringW(std::wstring_view text, const GfxFont& font, const GfxRectF& layout,
                      const GfxStringFormat& format, GfxRectF& bounds) const;
  // Fills `regions` with exactly `count` regions, one per measurable range of the format.
  // A count below 1 fails with InvalidParameter and leaves `regions` as it was.
  bool MeasureCharacterRanges(std::string_view text, const GfxFont& font, const GfxRectF& layout,
                              const GfxStringFormat& format, int count, std::vector<GfxRegion>& regions) const;
  bool MeasureCharacterRangesW(std::wstring_view text, const GfxFont& font, const GfxRectF& layout,
                               const GfxStringFormat& format, int count, std::vector<GfxRegion>& regions) const;
  bool DrawDriverString(std::string_view text, const GfxFont& font, const GfxBrush& brush,
                        std::span<const GfxPointF> positions, int flags = 1, const GfxObject& matrix = GfxObject());
  bool DrawDriverStringW(std::wstring_view text, const GfxFont& font, const GfxBrush& brush,
                         std::span<const GfxPointF> positions, int flags = 1, const GfxObject& matrix = GfxObject());

  // Images. Source units default to pixels (2).
  bool DrawImage(const GfxImage& image, float x, float y);
  bool DrawImageI(const GfxImage& image, int x, int y);
  bool DrawCachedBitmap(const GfxObject& cachedBitmap, float x, float y);
  // Stretches the whole image into the rectangle.
  bool DrawImageRect(const GfxImage& image, float x, float y, float width, float height, int sourceUnit = 2);
  bool DrawImageRectI(const GfxImage& image, int x, int y, int width, int height, int sourceUnit = 2);
  // Upper-left, upper-right and lower-left corners of the destination.
  bool DrawImagePoints(const GfxImage& image, float x1, float y1, float x2, float y2, float x3, float y3);
  bool DrawImagePointsI(const GfxImage& image, int x1, int y1, int x2, int y2, int x3, int y3);
  bool DrawImagePointRect(const GfxImage& image, float x, float y, float sourceX, float sourceY,
                          float sourceWidth, float sourceHeight, int sourceUnit = 2);
  bool DrawImagePointRectI(const GfxImage& image, int x, int y, int sourceX, int sourceY,
                           int sourceWidth, int sourceHeight, int sourceUnit = 2);
  bool DrawImageRectRect(const GfxImage& image, float x, float y, float width, float height,
                         float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                         int sourceUnit = 2, const GfxObject& attributes = GfxObject());
  bool DrawImageRectRectI(const GfxImage& image, int x, int y, int width, int height,
                          int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                          int sourceUnit = 2, const GfxObject& attributes = GfxObject());
  bool DrawImagePointsRect(const GfxImage& image, float x1, float y1, float x2, float y2, float x3, float y3,
                           float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                           int sourceUnit = 2, const GfxObject& attributes = GfxObject());
  bool DrawImagePointsRectI(const GfxImage& image, int x1, int y1, int x2, int y2, int x3, int y3,
                            int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                            int sourceUnit = 2, const GfxObject& attributes = GfxObject());

  // Metafile playback.
  bool EnumerateMetafileDestPoint(const GfxImage& metafile, const GfxPointF& destination,
                                  GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileDestPointI(const GfxImage& metafile, const GfxPoint& destination,
                                   GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileDestPoints(const GfxImage& metafile, std::span<const GfxPointF> destination,
                                   GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileDestPointsI(const GfxImage& metafile, std::span<const GfxPoint> destination,
                                    GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileDestRect(const GfxImage& metafile, const GfxRectF& destination,
                                 GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileDestRectI(const GfxImage& metafile, const GfxRect& destination,
                                  GfxMetafileCallback callback, void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestPoint(const GfxImage& metafile, const GfxPointF& destination,
                                         const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback,
                                         void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestPointI(const GfxImage& metafile, const GfxPoint& destination,
                                          const GfxRect& source, int sourceUnit, GfxMetafileCallback callback,
                                          void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestPoints(const GfxImage& metafile, std::span<const GfxPointF> destination,
                                          const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback,
                                          void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestPointsI(const GfxImage& metafile, std::span<const GfxPoint> destination,
                                           const GfxRect& source, int sourceUnit, GfxMetafileCallback callback,
                                           void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestRect(const GfxImage& metafile, const GfxRectF& destination,
                                        const GfxRectF& source, int sourceUnit, GfxMetafileCallback callback,
                                        void* data, const GfxObject& attributes);
  bool EnumerateMetafileSrcRectDestRectI(const GfxImage& metafile, const GfxRect& destination,
                                         const GfxRect& source, int sourceUnit, GfxMetafileCallback callback,
                                         void* data, const GfxObject& attributes);

  // Clipping. Combine modes: 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude, 5 complement.
  bool SetClipGraphics(const GfxGraphics& other, int combineMode);
  bool SetClipPath(const GfxPath& path, int combineMode);
  bool SetClipRect(float x, float y, float width, float height, int combineMode);
  bool SetClipRectI(int x, int y, int width, int height, int combineMode);
  bool SetClipRegion(const GfxRegion& region, int combineMode);
  bool SetClipHrgn(HRGN region, int combineMode);
  bool ResetClip();
  bool TranslateClip(float dx, float dy);
  bool TranslateClipI(int dx, int dy);
  bool GetClip(GfxRegion& target) const;
  GfxRectF GetClipBounds() const;
  GfxRect GetClipBoundsI() const;
  GfxRectF GetVisibleClipBounds() const;
  GfxRect GetVisibleClipBoundsI() const;
  bool IsClipEmpty() const;
  bool IsVisibleClipEmpty() const;
  bool IsVisiblePoint(float x, float y) const;
  bool IsVisiblePointI(int x, int y) const;
  bool IsVisibleRect(float x, float y, float width, float height) const;
  bool IsVisibleRectI(int x, int y, int width, int height) const;

  // State.
  unsigned SaveGraphics();
  bool RestoreGraphics(unsigned state);
  unsigned BeginContainer(const GfxRectF& destination, const GfxRectF& source, int unit);
  unsigned BeginContainerI(const GfxRect& destination, const GfxRect& source, int unit);
  unsigned BeginContainer2();
  bool EndContainer(unsigned state);
  bool Comment(std::span<const std::uint8_t> data);
};
