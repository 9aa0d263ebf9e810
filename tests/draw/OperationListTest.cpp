// Every operation of every class, in the order of its operation table. Naming them here makes
// the build fail when one goes missing; the counts are the tables' slots.
#include <gtest/gtest.h>

#include <cstddef>

#include "GfxBrushes.h"
#include "GfxFonts.h"
#include "GfxGraphics.h"
#include "GfxImages.h"
#include "GfxMemoryStream.h"
#include "GfxPaths.h"
#include "ToolTipControl.h"

namespace {

template <typename... Operations>
constexpr std::size_t Count(Operations...) {
  return sizeof...(Operations);
}

TEST(OperationList, EveryClassHasEveryOperationOfItsTable) {
  struct Listed {
    const char* name;
    std::size_t listed, slots;
  } classes[] = {
      // slots 2 to 6
      {"GfxObject",
       Count(
           &GfxObject::GetHandle, &GfxObject::SetHandle, &GfxObject::AttachHandle,
           &GfxObject::Alloc, &GfxObject::Free),
       7 - 2},
      // slots 8 to 157
      {"GfxGraphics",
       Count(
           &GfxGraphics::Delete, &GfxGraphics::Flush, &GfxGraphics::CreateFromHWND,
           &GfxGraphics::CreateFromHDC, &GfxGraphics::CreateFromImage, &GfxGraphics::GetDC,
           &GfxGraphics::ReleaseDC, &GfxGraphics::GetRenderingOrigin,
           &GfxGraphics::SetRenderingOrigin, &GfxGraphics::GetCompositingMode,
           &GfxGraphics::SetCompositingMode, &GfxGraphics::GetCompositingQuality,
           &GfxGraphics::SetCompositingQuality, &GfxGraphics::SetTextRenderingHint,
           &GfxGraphics::GetTextRenderingHint, &GfxGraphics::SetTextContrast,
           &GfxGraphics::GetTextContrast, &GfxGraphics::SetInterpolationMode,
           &GfxGraphics::GetInterpolationMode, &GfxGraphics::SetSmoothingMode,
           &GfxGraphics::GetSmoothingMode, &GfxGraphics::SetPixelOffsetMode,
           &GfxGraphics::GetPixelOffsetMode, &GfxGraphics::SetWorldTransform,
           &GfxGraphics::GetWorldTransform, &GfxGraphics::ResetWorldTransform,
           &GfxGraphics::MultiplyWorldTransform, &GfxGraphics::TranslateWorldTransform,
           &GfxGraphics::ScaleWorldTransform, &GfxGraphics::ScaleWorldTransformAt,
           &GfxGraphics::RotateWorldTransform, &GfxGraphics::RotateWorldTransformAt,
           &GfxGraphics::SetPageUnit, &GfxGraphics::GetPageUnit, &GfxGraphics::SetPageScale,
           &GfxGraphics::GetPageScale, &GfxGraphics::GetDpiX, &GfxGraphics::GetDpiY,
           &GfxGraphics::TransformPoints, &GfxGraphics::TransformPointsI,
           &GfxGraphics::GetNearestColor, &GfxGraphics::DrawLine, &GfxGraphics::DrawLineI,
           &GfxGraphics::DrawLines, &GfxGraphics::DrawLinesI, &GfxGraphics::DrawArc,
           &GfxGraphics::DrawArcI, &GfxGraphics::DrawBezier, &GfxGraphics::DrawBezierI,
           &GfxGraphics::DrawBeziers, &GfxGraphics::DrawBeziersI, &GfxGraphics::DrawRectangle,
           &GfxGraphics::DrawRectangleI, &GfxGraphics::DrawRectangles,
           &GfxGraphics::DrawRectanglesI, &GfxGraphics::DrawEllipse, &GfxGraphics::DrawEllipseI,
           &GfxGraphics::DrawPie, &GfxGraphics::DrawPieI, &GfxGraphics::DrawPolygon,
           &GfxGraphics::DrawPolygonI, &GfxGraphics::DrawPath, &GfxGraphics::DrawCurve,
           &GfxGraphics::DrawCurveI, &GfxGraphics::DrawCurve2, &GfxGraphics::DrawCurve2I,
           &GfxGraphics::DrawCurve3, &GfxGraphics::DrawCurve3I, &GfxGraphics::DrawClosedCurve,
           &GfxGraphics::DrawClosedCurveI, &GfxGraphics::DrawClosedCurve2,
           &GfxGraphics::DrawClosedCurve2I, &GfxGraphics::Clear, &GfxGraphics::FillRectangle,
           &GfxGraphics::FillRectangleRecord, &GfxGraphics::FillRectangleI,
           &GfxGraphics::FillRectangles, &GfxGraphics::FillRectanglesI, &GfxGraphics::FillPolygon,
           &GfxGraphics::FillPolygonI, &GfxGraphics::FillEllipse, &GfxGraphics::FillEllipseI,
           &GfxGraphics::FillPie, &GfxGraphics::FillPieI, &GfxGraphics::FillPath,
           &GfxGraphics::FillClosedCurve, &GfxGraphics::FillClosedCurve2,
           &GfxGraphics::FillClosedCurveI, &GfxGraphics::FillClosedCurve2I,
           &GfxGraphics::FillRegion, &GfxGraphics::DrawString, &GfxGraphics::DrawStringW,
           &GfxGraphics::MeasureString, &GfxGraphics::MeasureStringW,
           &GfxGraphics::MeasureCharacterRanges, &GfxGraphics::MeasureCharacterRangesW,
           &GfxGraphics::DrawDriverString, &GfxGraphics::DrawDriverStringW, &GfxGraphics::DrawImage,
           &GfxGraphics::DrawImageI, &GfxGraphics::DrawCachedBitmap, &GfxGraphics::DrawImageRect,
           &GfxGraphics::DrawImageRectI, &GfxGraphics::DrawImagePoints,
           &GfxGraphics::DrawImagePointsI, &GfxGraphics::DrawImagePointRect,
           &GfxGraphics::DrawImagePointRectI, &GfxGraphics::DrawImageRectRect,
           &GfxGraphics::DrawImageRectRectI, &GfxGraphics::DrawImagePointsRect,
           &GfxGraphics::DrawImagePointsRectI, &GfxGraphics::EnumerateMetafileDestPoint,
           &GfxGraphics::EnumerateMetafileDestPointI, &GfxGraphics::EnumerateMetafileDestPoints,
           &GfxGraphics::EnumerateMetafileDestPointsI, &GfxGraphics::EnumerateMetafileDestRect,
           &GfxGraphics::EnumerateMetafileDestRectI,
           &GfxGraphics::EnumerateMetafileSrcRectDestPoint,
           &GfxGraphics::EnumerateMetafileSrcRectDestPointI,
           &GfxGraphics::EnumerateMetafileSrcRectDestPoints,
           &GfxGraphics::EnumerateMetafileSrcRectDestPointsI,
           &GfxGraphics::EnumerateMetafileSrcRectDestRect,
           &GfxGraphics::EnumerateMetafileSrcRectDestRectI, &GfxGraphics::SetClipGraphics,
           &GfxGraphics::SetClipPath, &GfxGraphics::SetClipRect, &GfxGraphics::SetClipRectI,
           &GfxGraphics::SetClipRegion, &GfxGraphics::SetClipHrgn, &GfxGraphics::ResetClip,
           &GfxGraphics::TranslateClip, &GfxGraphics::TranslateClipI, &GfxGraphics::GetClip,
           &GfxGraphics::GetClipBounds, &GfxGraphics::GetClipBoundsI,
           &GfxGraphics::GetVisibleClipBounds, &GfxGraphics::GetVisibleClipBoundsI,
           &GfxGraphics::IsClipEmpty, &GfxGraphics::IsVisibleClipEmpty,
           &GfxGraphics::IsVisiblePoint, &GfxGraphics::IsVisiblePointI, &GfxGraphics::IsVisibleRect,
           &GfxGraphics::IsVisibleRectI, &GfxGraphics::SaveGraphics, &GfxGraphics::RestoreGraphics,
           &GfxGraphics::BeginContainer, &GfxGraphics::BeginContainerI,
           &GfxGraphics::BeginContainer2, &GfxGraphics::EndContainer, &GfxGraphics::Comment),
       158 - 8},
      // slots 7 to 73
      {"GfxPath",
       Count(
           &GfxPath::Delete, &GfxPath::Create, &GfxPath::CreateFromPoints,
           &GfxPath::CreateFromPointsI, &GfxPath::Clone, &GfxPath::Reset, &GfxPath::GetFillMode,
           &GfxPath::SetFillMode, &GfxPath::GetData, &GfxPath::GetTypes, &GfxPath::GetPoints,
           &GfxPath::GetPointsI, &GfxPath::StartFigure, &GfxPath::CloseFigure,
           &GfxPath::CloseFigures, &GfxPath::SetMarker, &GfxPath::ClearMarkers, &GfxPath::Reverse,
           &GfxPath::GetLastPoint, &GfxPath::AddLine, &GfxPath::AddLineI, &GfxPath::AddLine2,
           &GfxPath::AddLine2I, &GfxPath::AddArc, &GfxPath::AddArcI, &GfxPath::AddBezier,
           &GfxPath::AddBezierI, &GfxPath::AddBeziers, &GfxPath::AddBeziersI, &GfxPath::AddCurve,
           &GfxPath::AddCurve2, &GfxPath::AddCurve3, &GfxPath::AddCurveI, &GfxPath::AddCurve2I,
           &GfxPath::AddCurve3I, &GfxPath::AddClosedCurve, &GfxPath::AddClosedCurve2,
           &GfxPath::AddClosedCurveI, &GfxPath::AddClosedCurve2I, &GfxPath::AddRectangle,
           &GfxPath::AddRoundRectangle, &GfxPath::AddRectangles, &GfxPath::AddRectangleI,
           &GfxPath::AddRectanglesI, &GfxPath::AddEllipse, &GfxPath::AddEllipseI, &GfxPath::AddPie,
           &GfxPath::AddPieI, &GfxPath::AddPolygon, &GfxPath::AddPolygonI, &GfxPath::AddPath,
           &GfxPath::AddString, &GfxPath::AddStringW, &GfxPath::AddStringI, &GfxPath::AddStringIW,
           &GfxPath::Transform, &GfxPath::GetWorldBounds, &GfxPath::GetWorldBoundsI,
           &GfxPath::Flatten, &GfxPath::Widen, &GfxPath::WindingModeOutline, &GfxPath::Warp,
           &GfxPath::GetPointCount, &GfxPath::IsVisiblePoint, &GfxPath::IsVisiblePointI,
           &GfxPath::IsOutlineVisiblePoint, &GfxPath::IsOutlineVisiblePointI),
       74 - 7},
      // slots 7 to 38
      {"GfxRegion",
       Count(
           &GfxRegion::Delete, &GfxRegion::Create, &GfxRegion::CreateFromRect,
           &GfxRegion::CreateFromRectI, &GfxRegion::CreateFromPath, &GfxRegion::CreateFromHrgn,
           &GfxRegion::CreateFromData, &GfxRegion::Clone, &GfxRegion::SetInfinite,
           &GfxRegion::SetEmpty, &GfxRegion::CombineRect, &GfxRegion::CombineRectI,
           &GfxRegion::CombineRegion, &GfxRegion::CombinePath, &GfxRegion::Translate,
           &GfxRegion::TranslateI, &GfxRegion::Transform, &GfxRegion::GetBounds,
           &GfxRegion::GetBoundsI, &GfxRegion::GetDataSize, &GfxRegion::GetData,
           &GfxRegion::GetHRgn, &GfxRegion::IsEmpty, &GfxRegion::IsInfinite, &GfxRegion::IsEqual,
           &GfxRegion::IsVisiblePoint, &GfxRegion::IsVisiblePointI, &GfxRegion::IsVisibleRect,
           &GfxRegion::IsVisibleRectI, &GfxRegion::GetScansCount, &GfxRegion::GetScans,
           &GfxRegion::GetScansI),
       39 - 7},
      // slots 8 to 10
      {"GfxBrush",
       Count(
           &GfxBrush::Delete, &GfxBrush::Clone, &GfxBrush::GetType),
       11 - 8},
      // slots 11 to 13
      {"GfxSolidBrush",
       Count(
           &GfxSolidBrush::Create, &GfxSolidBrush::SetColor, &GfxSolidBrush::GetColor),
       14 - 11},
      // slots 11 to 41
      {"GfxLinearGradientBrush",
       Count(
           &GfxLinearGradientBrush::Create, &GfxLinearGradientBrush::CreateI,
           &GfxLinearGradientBrush::CreateFromRect, &GfxLinearGradientBrush::CreateFromRectI,
           &GfxLinearGradientBrush::CreateFromRectWithAngle,
           &GfxLinearGradientBrush::CreateFromRectWithAngleI, &GfxLinearGradientBrush::GetColors,
           &GfxLinearGradientBrush::SetColors, &GfxLinearGradientBrush::GetRect,
           &GfxLinearGradientBrush::GetRectI, &GfxLinearGradientBrush::SetGammaCorrection,
           &GfxLinearGradientBrush::GetGammaCorrection, &GfxLinearGradientBrush::SetBlend,
           &GfxLinearGradientBrush::GetBlendCount, &GfxLinearGradientBrush::GetBlend,
           &GfxLinearGradientBrush::SetPresetBlend, &GfxLinearGradientBrush::GetPresetBlendCount,
           &GfxLinearGradientBrush::GetPresetBlend, &GfxLinearGradientBrush::SetSigmaBlend,
           &GfxLinearGradientBrush::SetLinearBlend, &GfxLinearGradientBrush::GetWrapMode,
           &GfxLinearGradientBrush::SetWrapMode, &GfxLinearGradientBrush::GetTransform,
           &GfxLinearGradientBrush::SetTransform, &GfxLinearGradientBrush::ResetTransform,
           &GfxLinearGradientBrush::MultiplyTransform, &GfxLinearGradientBrush::TranslateTransform,
           &GfxLinearGradientBrush::ScaleTransform, &GfxLinearGradientBrush::ScaleTransformAt,
           &GfxLinearGradientBrush::RotateTransform, &GfxLinearGradientBrush::RotateTransformAt),
       42 - 11},
      // slots 11 to 50
      {"GfxPathGradientBrush",
       Count(
           &GfxPathGradientBrush::Create, &GfxPathGradientBrush::CreateI,
           &GfxPathGradientBrush::CreateFromPath, &GfxPathGradientBrush::GetCenterColor,
           &GfxPathGradientBrush::SetCenterColor, &GfxPathGradientBrush::GetPointCount,
           &GfxPathGradientBrush::GetSurroundColorCount,
           &GfxPathGradientBrush::GetSurroundColorsWithCount,
           &GfxPathGradientBrush::SetSurroundColorsWithCount, &GfxPathGradientBrush::GetPath,
           &GfxPathGradientBrush::SetPath, &GfxPathGradientBrush::GetCenterPoint,
           &GfxPathGradientBrush::GetCenterPointI, &GfxPathGradientBrush::SetCenterPoint,
           &GfxPathGradientBrush::SetCenterPointI, &GfxPathGradientBrush::GetRect,
           &GfxPathGradientBrush::GetRectI, &GfxPathGradientBrush::SetGammaCorrection,
           &GfxPathGradientBrush::GetGammaCorrection, &GfxPathGradientBrush::GetBlendCount,
           &GfxPathGradientBrush::SetBlend, &GfxPathGradientBrush::GetBlend,
           &GfxPathGradientBrush::GetPresetBlendCount, &GfxPathGradientBrush::SetPresetBlend,
           &GfxPathGradientBrush::GetPresetBlend, &GfxPathGradientBrush::SetSigmaBlend,
           &GfxPathGradientBrush::SetLinearBlend, &GfxPathGradientBrush::GetFocusScales,
           &GfxPathGradientBrush::SetFocusScales, &GfxPathGradientBrush::GetWrapMode,
           &GfxPathGradientBrush::SetWrapMode, &GfxPathGradientBrush::GetTransform,
           &GfxPathGradientBrush::SetTransform, &GfxPathGradientBrush::ResetTransform,
           &GfxPathGradientBrush::MultiplyTransform, &GfxPathGradientBrush::TranslateTransform,
           &GfxPathGradientBrush::ScaleTransform, &GfxPathGradientBrush::ScaleTransformAt,
           &GfxPathGradientBrush::RotateTransform, &GfxPathGradientBrush::RotateTransformAt),
       51 - 11},
      // slots 7 to 55
      {"GfxPen",
       Count(
           &GfxPen::Delete, &GfxPen::CreateFromColor, &GfxPen::CreateFromBrush, &GfxPen::Clone,
           &GfxPen::GetWidth, &GfxPen::SetWidth, &GfxPen::GetUnit, &GfxPen::SetUnit,
           &GfxPen::SetLineCap, &GfxPen::SetLineCap2, &GfxPen::SetStartCap, &GfxPen::SetEndCap,
           &GfxPen::SetDashCap, &GfxPen::GetStartCap, &GfxPen::GetEndCap, &GfxPen::GetDashCap,
           &GfxPen::GetDashCap2, &GfxPen::SetLineJoin, &GfxPen::GetLineJoin,
           &GfxPen::SetCustomStartCap, &GfxPen::GetCustomStartCap, &GfxPen::SetCustomEndCap,
           &GfxPen::GetCustomEndCap, &GfxPen::SetMiterLimit, &GfxPen::GetMiterLimit,
           &GfxPen::SetMode, &GfxPen::GetMode, &GfxPen::SetTransform, &GfxPen::GetTransform,
           &GfxPen::ResetTransform, &GfxPen::MultiplyTransform, &GfxPen::RotateTransform,
           &GfxPen::RotateTransformAt, &GfxPen::ScaleTransform, &GfxPen::ScaleTransformAt,
           &GfxPen::TranslateTransform, &GfxPen::GetColor, &GfxPen::SetColor, &GfxPen::SetBrushFill,
           &GfxPen::GetBrushFill, &GfxPen::GetFillType, &GfxPen::SetDashStyle,
           &GfxPen::GetDashStyle, &GfxPen::GetDashOffset, &GfxPen::SetDashOffset,
           &GfxPen::GetDashArray, &GfxPen::SetDashArray, &GfxPen::SetCompoundArray,
           &GfxPen::GetCompoundArray),
       56 - 7},
      // slots 8 to 9
      {"GfxFontCollection",
       Count(
           &GfxFontCollection::GetFamilyCount, &GfxFontCollection::GetFamilyList),
       10 - 8},
      // slots 7 to 20
      {"GfxFontFamily",
       Count(
           &GfxFontFamily::Delete, &GfxFontFamily::CreateFromName, &GfxFontFamily::CreateFromNameW,
           &GfxFontFamily::GetGenericSansSerif, &GfxFontFamily::GetGenericSerif,
           &GfxFontFamily::GetGenericMonospace, &GfxFontFamily::Clone, &GfxFontFamily::GetName,
           &GfxFontFamily::GetNameW, &GfxFontFamily::IsStyleAvailable, &GfxFontFamily::GetEmHeight,
           &GfxFontFamily::GetCellAscent, &GfxFontFamily::GetCellDescent,
           &GfxFontFamily::GetLineSpacing),
       21 - 7},
      // slots 7 to 24
      {"GfxFont",
       Count(
           &GfxFont::Delete, &GfxFont::Create, &GfxFont::CreateDefaultGuiFont,
           &GfxFont::CreateFromName, &GfxFont::CreateFromNameW, &GfxFont::CreateFromDCSelected,
           &GfxFont::CreateFromDC, &GfxFont::CreateFromLogfontA, &GfxFont::CreateFromLogfontW,
           &GfxFont::Clone, &GfxFont::GetLogFontA, &GfxFont::GetLogFontW, &GfxFont::GetFamily,
           &GfxFont::GetStyle, &GfxFont::GetSize, &GfxFont::GetUnit, &GfxFont::GetHeight,
           &GfxFont::GetHeightGivenDPI),
       25 - 7},
      // slots 7 to 27
      {"GfxStringFormat",
       Count(
           &GfxStringFormat::Delete, &GfxStringFormat::Create, &GfxStringFormat::GenericDefault,
           &GfxStringFormat::GenericTypographic, &GfxStringFormat::Clone,
           &GfxStringFormat::SetFlags, &GfxStringFormat::GetFlags, &GfxStringFormat::SetAlign,
           &GfxStringFormat::GetAlign, &GfxStringFormat::SetLineAlign,
           &GfxStringFormat::GetLineAlign, &GfxStringFormat::SetTrimming,
           &GfxStringFormat::GetTrimming, &GfxStringFormat::SetHotkeyPrefix,
           &GfxStringFormat::GetHotkeyPrefix, &GfxStringFormat::SetTabStops,
           &GfxStringFormat::GetTabStops, &GfxStringFormat::SetDigitSubstitution,
           &GfxStringFormat::GetDigitSubstitution, &GfxStringFormat::SetMeasurableCharacterRanges,
           &GfxStringFormat::GetMeasurableCharacterRangeCount),
       28 - 7},
      // slots 8 to 40
      {"GfxImage",
       Count(
           &GfxImage::Dispose, &GfxImage::LoadFromFile, &GfxImage::LoadFromFileW,
           &GfxImage::LoadFromBytes, &GfxImage::Clone, &GfxImage::GetEncoderParameterList,
           &GfxImage::SaveToFile, &GfxImage::SaveToFileW, &GfxImage::SaveToBytes,
           &GfxImage::SaveAdd, &GfxImage::SaveAddImage, &GfxImage::GetType, &GfxImage::GetDimension,
           &GfxImage::GetBounds, &GfxImage::GetWidth, &GfxImage::GetHeight,
           &GfxImage::GetHorizontalResolution, &GfxImage::GetVerticalResolution,
           &GfxImage::GetFlags, &GfxImage::GetRawFormat, &GfxImage::GetPixelFormat,
           &GfxImage::GetPalette, &GfxImage::SetPalette, &GfxImage::GetThumbnail,
           &GfxImage::GetFrameCount, &GfxImage::GetFrameDimensionsList,
           &GfxImage::SelectActiveFrame, &GfxImage::RotateFlip, &GfxImage::GetFrameDelays,
           &GfxImage::GetPropertyItem, &GfxImage::SetPropertyItem, &GfxImage::RemovePropertyItem,
           &GfxImage::GetPropertyIdList),
       41 - 8},
      // slots 9 to 11 and 41 to 59
      {"GfxBitmap",
       Count(
           &GfxBitmap::CreateFromFile, &GfxBitmap::CreateFromFileW, &GfxBitmap::CreateFromBytes,
           &GfxBitmap::CreateFromScan0Full, &GfxBitmap::CreateFromScan0,
           &GfxBitmap::CreateFromGraphics, &GfxBitmap::CreateFromGdiDib,
           &GfxBitmap::CreateFromHBITMAP, &GfxBitmap::CreateFromHICON,
           &GfxBitmap::CreateFromResource, &GfxBitmap::CreateHBITMAP, &GfxBitmap::CreateHICON,
           &GfxBitmap::CloneArea, &GfxBitmap::CloneAreaI, &GfxBitmap::LockBits,
           &GfxBitmap::UnlockBits, &GfxBitmap::GetPixel, &GfxBitmap::SetPixel,
           &GfxBitmap::SetResolution, &GfxBitmap::ApplyEffect, &GfxBitmap::RotateImage,
           &GfxBitmap::GetRotatedSize),
       3 + 60 - 41},
      // slots 2 to 11
      {"ToolTipControl",
       Count(
           &ToolTipControl::Create, &ToolTipControl::AddTool, &ToolTipControl::AddToolCallback,
           &ToolTipControl::SetBackColor, &ToolTipControl::SetTextColor,
           &ToolTipControl::SetMaxTipWidth, &ToolTipControl::DeleteTool,
           &ToolTipControl::SetToolRect, &ToolTipControl::UpdateTipText, &ToolTipControl::GetWindow),
       12 - 2},
      // slots 2 to 8
      {"GfxMemoryStream",
       Count(
           &GfxMemoryStream::CreateFromBytes, &GfxMemoryStream::Release, &GfxMemoryStream::GetSize,
           &GfxMemoryStream::GetStream, &GfxMemoryStream::GetHGlobal,
           &GfxMemoryStream::AttachStream, &GfxMemoryStream::ToBytes),
       9 - 2},
  };
  for (const Listed& c : classes) EXPECT_EQ(c.listed, c.slots) << c.name;
}

}  // namespace
