#include "GfxImages.h"

#include <cstring>

#include "Flat.h"
#include "Geometry.h"
#include "GfxBrushes.h"
#include "GfxGraphics.h"
#include "GfxText.h"

using namespace draw::flat;

namespace {

std::wstring Terminated(std::wstring_view text) { return std::wstring(text.substr(0, std::min(text.size(), text.find(L'\0')))); }

ByteString CopyBytes(const void* data, size_t length) {
  const auto* first = static_cast<const std::uint8_t*>(data);
  return data ? ByteString(first, first + length) : ByteString(length, 0);
}

// Bytes per value of each encoder parameter value type.
size_t ValueSize(ULONG type) {
  switch (type) {
    case 1: case 2: case 7: return 1;
    case 3: return 2;
    case 4: return 4;
    case 5: case 6: return 8;
    case 8: return 16;
    default: return 0;
  }
}

// GDI+'s encoder parameter block: the count, then the parameters, each pointing at the value
// bytes of the caller's record, which outlives the call.
class EncoderParameterBlock {
 public:
  explicit EncoderParameterBlock(const GfxEncoderParameters* parameters) {
    if (!parameters) return;
    const size_t n = std::min(parameters->parameters.size(), static_cast<size_t>(std::max(parameters->count, 0)));
    storage_.resize((sizeof(EncoderParameters) + n * sizeof(EncoderParameter) + 7) / 8);
    auto* block = reinterpret_cast<EncoderParameters*>(storage_.data());
    block->Count = static_cast<UINT>(n);
    for (size_t i = 0; i < n; ++i) {
      const GfxEncoderParameter& p = parameters->parameters[i];
      EncoderParameter& out = block->Parameter[i];
      out.Guid = TextToGuid(p.category);
      out.NumberOfValues = static_cast<ULONG>(p.numberOfValues);
      out.Type = static_cast<ULONG>(p.type);
      out.Value = const_cast<std::uint8_t*>(p.value.data());
    }
  }
  const EncoderParameters* get() const {
    return storage_.empty() ? nullptr : reinterpret_cast<const EncoderParameters*>(storage_.data());
  }

 private:
  std::vector<std::uint64_t> storage_;
};

// The encoder for a format id, or null when none has it exactly.
std::optional<CLSID> EncoderFor(std::string_view formatId) {
  const GUID clsid = TextToGuid(FindEncoderClsid(formatId));
  if (clsid == GUID{}) return std::nullopt;
  return clsid;
}

}  // namespace

int GetImageEncoderList(std::vector<GfxCodecInfo>& encoders) {
  UINT count = 0, size = 0;
  encoders.clear();
  if (!Record(GDIP(GdipGetImageEncodersSize)(&count, &size)) || count == 0) return 0;
  std::vector<std::uint64_t> buffer((size + 7) / 8);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (!Record(GDIP(GdipGetImageEncoders)(count, size, codecs))) return 0;
  for (UINT i = 0; i < count; ++i) {
    const ImageCodecInfo& c = codecs[i];
    const auto text = [](const WCHAR* s) { return s ? WideToAnsi(s) : std::string(); };
    const size_t patternBytes = static_cast<size_t>(c.SigCount) * c.SigSize;
    encoders.push_back({GuidToText(c.Clsid), GuidToText(c.FormatID), text(c.CodecName), text(c.DllName),
                        text(c.FormatDescription), text(c.FilenameExtension), text(c.MimeType),
                        static_cast<std::int32_t>(c.Flags), static_cast<std::int32_t>(c.Version),
                        static_cast<std::int32_t>(c.SigCount), static_cast<std::int32_t>(c.SigSize),
                        CopyBytes(c.SigPattern, patternBytes), CopyBytes(c.SigMask, patternBytes)});
  }
  return static_cast<int>(count);
}

std::string FindEncoderClsid(std::string_view formatId) {
  std::vector<GfxCodecInfo> encoders;
  GetImageEncoderList(encoders);
  for (const GfxCodecInfo& codec : encoders) {
    if (codec.formatId == formatId) return codec.classId;
  }
  return std::string();
}

// Images.

GfxImage::~GfxImage() {
  if (OwnsHandle()) Dispose();
}

// The image goes first: until it is disposed GDI+ may still read the bytes behind it.
bool GfxImage::Dispose() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDisposeImage)(GetHandle());
  SetHandle(nullptr);
  bytes_.Release();
  return Record(status);
}

bool GfxImage::LoadFromFile(std::string_view fileName, bool useIcm) { return LoadFromFileW(AnsiToWide(fileName), useIcm); }

bool GfxImage::LoadFromFileW(std::wstring_view fileName, bool useIcm) {
  const std::wstring name = Terminated(fileName);
  if (useIcm) return Record(GDIP(GdipLoadImageFromFileICM)(name.c_str(), Handover<GpImage>(*this)));
  return Record(GDIP(GdipLoadImageFromFile)(name.c_str(), Handover<GpImage>(*this)));
}

bool GfxImage::LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  IStream* stream = bytes_.CreateFromBytes(bytes);
  if (useIcm) return Record(GDIP(GdipLoadImageFromStreamICM)(stream, Handover<GpImage>(*this)));
  return Record(GDIP(GdipLoadImageFromStream)(stream, Handover<GpImage>(*this)));
}

bool GfxImage::Clone(GfxImage& target) const { return Record(GDIP(GdipCloneImage)(GetHandle(), Handover<GpImage>(target))); }

bool GfxImage::GetEncoderParameterList(std::string_view formatId, GfxEncoderParameters& parameters) const {
  const GUID clsid = TextToGuid(FindEncoderClsid(formatId));
  UINT size = 0;
  if (!Record(GDIP(GdipGetEncoderParameterListSize)(GetHandle(), &clsid, &size))) return false;
  std::vector<std::uint64_t> buffer((size + 7) / 8 + 1);
  auto* list = reinterpret_cast<EncoderParameters*>(buffer.data());
  if (!Record(GDIP(GdipGetEncoderParameterList)(GetHandle(), &clsid, size, list))) return false;
  parameters.count = static_cast<std::int32_t>(list->Count);
  parameters.parameters.clear();
  for (UINT i = 0; i < list->Count; ++i) {
    const EncoderParameter& p = list->Parameter[i];
    parameters.parameters.push_back({GuidToText(p.Guid), static_cast<std::int32_t>(p.NumberOfValues),
                                     static_cast<std::int32_t>(p.Type),
                                     CopyBytes(p.Value, p.NumberOfValues * ValueSize(p.Type))});
  }
  return true;
}

bool GfxImage::SaveToFile(std::string_view fileName, std::string_view formatId, const GfxEncoderParameters* parameters) const { return SaveToFileW(AnsiToWide(fileName), formatId, parameters); }

bool GfxImage::SaveToFileW(std::wstring_view fileName, std::string_view formatId, const GfxEncoderParameters* parameters) const {
  const std::optional<CLSID> encoder = EncoderFor(formatId);
  if (!encoder) return false;
  const EncoderParameterBlock block(parameters);
  return Record(GDIP(GdipSaveImageToFile)(GetHandle(), Terminated(fileName).c_str(), &*encoder, block.get()));
}

ByteString GfxImage::SaveToBytes(std::optional<std::string_view> formatId, const GfxEncoderParameters* parameters) const {
  const std::string format = formatId ? std::string(*formatId) : GetRawFormat();
  const std::optional<CLSID> encoder = EncoderFor(format);
  if (!encoder) return {};
  GfxMemoryStream stream;
  IStream* target = stream.CreateFromBytes({});
  const EncoderParameterBlock block(parameters);
  Record(GDIP(GdipSaveImageToStream)(GetHandle(), target, &*encoder, block.get()));
  return stream.ToBytes();
}

bool GfxImage::SaveAdd(const GfxEncoderParameters& parameters) {
  const EncoderParameterBlock block(&parameters);
  return Record(GDIP(GdipSaveAdd)(GetHandle(), block.get()));
}

bool GfxImage::SaveAddImage(const GfxImage& image, const GfxEncoderParameters& parameters) {
  const EncoderParameterBlock block(&parameters);
  return Record(GDIP(GdipSaveAddImage)(GetHandle(), image, block.get()));
}

int GfxImage::GetType() const { ImageType v{}; return Value(GDIP(GdipGetImageType)(GetHandle(), &v), v); }

GfxPointF GfxImage::GetDimension() const {
  REAL width = 0, height = 0;
  return Record(GDIP(GdipGetImageDimension)(GetHandle(), &width, &height)) ? GfxPointF{width, height} : GfxPointF{};
}

bool GfxImage::GetBounds(GfxRectF& bounds, int& unit) const {
  RectF r;
  GpUnit u{};
  if (!Record(GDIP(GdipGetImageBounds)(GetHandle(), &r, &u))) return false;
  bounds = {r.X, r.Y, r.Width, r.Height};
  unit = u;
  return true;
}

unsigned GfxImage::GetWidth() const { UINT v = 0; return Value(GDIP(GdipGetImageWidth)(GetHandle(), &v), v); }
unsigned GfxImage::GetHeight() const { UINT v = 0; return Value(GDIP(GdipGetImageHeight)(GetHandle(), &v), v); }
float GfxImage::GetHorizontalResolution() const { REAL v = 0; return Value(GDIP(GdipGetImageHorizontalResolution)(GetHandle(), &v), v); }
float GfxImage::GetVerticalResolution() const { REAL v = 0; return Value(GDIP(GdipGetImageVerticalResolution)(GetHandle(), &v), v); }
unsigned GfxImage::GetFlags() const { UINT v = 0; return Value(GDIP(GdipGetImageFlags)(GetHandle(), &v), v); }
std::string GfxImage::GetRawFormat() const { GUID v{}; return Record(GDIP(GdipGetImageRawFormat)(GetHandle(), &v)) ? GuidToText(v) : std::string(); }
int GfxImage::GetPixelFormat() const { PixelFormat v = 0; return static_cast<int>(Value(GDIP(GdipGetImagePixelFormat)(GetHandle(), &v), v)); }

bool GfxImage::GetPalette(GfxPalette& palette) const {
  INT size = 0;
  if (!Record(GDIP(GdipGetImagePaletteSize)(GetHandle(), &size)) || size < static_cast<INT>(sizeof(ColorPalette))) return false;
  std::vector<std::uint64_t> buffer((static_cast<size_t>(size) + 7) / 8);
  auto* native = reinterpret_cast<ColorPalette*>(buffer.data());
  if (!Record(GDIP(GdipGetImagePalette)(GetHandle(), native, size))) return false;
  palette.flags = static_cast<std::int32_t>(native->Flags);
  palette.count = static_cast<std::int32_t>(native->Count);
  palette.entries.assign(native->Entries, native->Entries + native->Count);
  return true;
}

bool GfxImage::SetPalette(const GfxPalette& palette) {
  const size_t count = std::min(palette.entries.size(), static_cast<size_t>(std::max(palette.count, 0)));
  std::vector<std::uint64_t> buffer((sizeof(ColorPalette) + count * sizeof(ARGB) + 7) / 8);
  auto* native = reinterpret_cast<ColorPalette*>(buffer.data());
  native->Flags = static_cast<UINT>(palette.flags);
  native->Count = static_cast<UINT>(count);
  std::copy_n(palette.entries.begin(), count, native->Entries);
  return Record(GDIP(GdipSetImagePalette)(GetHandle(), native));
}

bool GfxImage::GetThumbnail(unsigned width, unsigned height, GfxImage& target) const { return Record(GDIP(GdipGetImageThumbnail)(GetHandle(), width, height, Handover<GpImage>(target), nullptr, nullptr)); }
unsigned GfxImage::GetFrameCount(std::string_view dimensionId) const { const GUID id = TextToGuid(dimensionId); UINT v = 0; return Value(GDIP(GdipImageGetFrameCount)(GetHandle(), &id, &v), v); }

unsigned GfxImage::GetFrameDimensionsList(std::vector<std::string>& dimensionIds) const {
  UINT count = 0;
  if (!Record(GDIP(GdipImageGetFrameDimensionsCount)(GetHandle(), &count)) || count == 0) return 0;
  std::vector<GUID> ids(count);
  if (!Record(GDIP(GdipImageGetFrameDimensionsList)(GetHandle(), ids.data(), count))) return 0;
  dimensionIds.clear();
  for (const GUID& id : ids) dimensionIds.push_back(GuidToText(id));
  return count;
}

bool GfxImage::SelectActiveFrame(std::string_view dimensionId, unsigned index) { const GUID id = TextToGuid(dimensionId); return Record(GDIP(GdipImageSelectActiveFrame)(GetHandle(), &id, index)); }
bool GfxImage::RotateFlip(int rotateFlipType) { return Record(GDIP(GdipImageRotateFlip)(GetHandle(), rotateFlipType)); }

bool GfxImage::GetFrameDelays(std::vector<std::int32_t>& delays) const {
  GfxPropertyItem item;
  if (!GetPropertyItem(0x5100, item)) return false;
  delays.assign(static_cast<size_t>(item.length / 4), 0);
  std::memcpy(delays.data(), item.value.data(), std::min(item.value.size(), delays.size() * 4));
  return true;
}

bool GfxImage::GetPropertyItem(std::int32_t id, GfxPropertyItem& item) const {
  UINT size = 0;
  if (!Record(GDIP(GdipGetPropertyItemSize)(GetHandle(), static_cast<PROPID>(id), &size)) || size < sizeof(PropertyItem)) return false;
  std::vector<std::uint64_t> buffer((size + 7) / 8);
  auto* native = reinterpret_cast<PropertyItem*>(buffer.data());
  if (!Record(GDIP(GdipGetPropertyItem)(GetHandle(), static_cast<PROPID>(id), size, native))) return false;
  item.id = static_cast<std::int32_t>(native->id);
  item.length = static_cast<std::int32_t>(native->length);
  item.type = native->type;
  item.value = CopyBytes(native->value, native->length);
  return true;
}

bool GfxImage::SetPropertyItem(const GfxPropertyItem& item) {
  const ULONG length = static_cast<ULONG>(std::min(item.value.size(), static_cast<size_t>(std::max(item.length, 0))));
  PropertyItem native{static_cast<PROPID>(item.id), length, static_cast<WORD>(item.type), const_cast<std::uint8_t*>(item.value.data())};
  return Record(GDIP(GdipSetPropertyItem)(GetHandle(), &native));
}

bool GfxImage::RemovePropertyItem(std::int32_t id) { return Record(GDIP(GdipRemovePropertyItem)(GetHandle(), static_cast<PROPID>(id))); }

unsigned GfxImage::GetPropertyIdList(std::vector<std::int32_t>& ids) const {
  UINT count = 0;
  if (!Record(GDIP(GdipGetPropertyCount)(GetHandle(), &count)) || count == 0) return 0;
  std::vector<PROPID> list(count);
  if (!Record(GDIP(GdipGetPropertyIdList)(GetHandle(), count, list.data()))) return 0;
  ids.assign(list.begin(), list.end());
  return count;
}

// Bitmaps.

bool GfxBitmap::CreateFromFile(std::string_view fileName, bool useIcm) { return CreateFromFileW(AnsiToWide(fileName), useIcm); }

bool GfxBitmap::CreateFromFileW(std::wstring_view fileName, bool useIcm) {
  const std::wstring name = Terminated(fileName);
  if (useIcm) return Record(GDIP(GdipCreateBitmapFromFileICM)(name.c_str(), Handover<GpBitmap>(*this)));
  return Record(GDIP(GdipCreateBitmapFromFile)(name.c_str(), Handover<GpBitmap>(*this)));
}

bool GfxBitmap::CreateFromBytes(std::span<const std::uint8_t> bytes, bool useIcm) {
  IStream* stream = Bytes().CreateFromBytes(bytes);
  if (useIcm) return Record(GDIP(GdipCreateBitmapFromStreamICM)(stream, Handover<GpBitmap>(*this)));
  return Record(GDIP(GdipCreateBitmapFromStream)(stream, Handover<GpBitmap>(*this)));
}

bool GfxBitmap::CreateFromScan0Full(int width, int height, int stride, int pixelFormat, void* scan0) { return Record(GDIP(GdipCreateBitmapFromScan0)(width, height, stride, pixelFormat, static_cast<BYTE*>(scan0), Handover<GpBitmap>(*this))); }
bool GfxBitmap::CreateFromScan0(int width, int height, int pixelFormat) { return CreateFromScan0Full(width, height, 0, pixelFormat, nullptr); }
bool GfxBitmap::CreateFromGraphics(int width, int height, const GfxGraphics& graphics) { return Record(GDIP(GdipCreateBitmapFromGraphics)(width, height, graphics, Handover<GpBitmap>(*this))); }
bool GfxBitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits) { return Record(GDIP(GdipCreateBitmapFromGdiDib)(info, bits, Handover<GpBitmap>(*this))); }
bool GfxBitmap::CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette) { return Record(GDIP(GdipCreateBitmapFromHBITMAP)(bitmap, palette, Handover<GpBitmap>(*this))); }
bool GfxBitmap::CreateFromHICON(HICON icon) { return Record(GDIP(GdipCreateBitmapFromHICON)(icon, Handover<GpBitmap>(*this))); }
bool GfxBitmap::CreateFromResource(HINSTANCE instance, const wchar_t* name) { return Record(GDIP(GdipCreateBitmapFromResource)(instance, name, Handover<GpBitmap>(*this))); }
HBITMAP GfxBitmap::CreateHBITMAP(std::uint32_t backgroundArgb) const { HBITMAP v = nullptr; return Value(GDIP(GdipCreateHBITMAPFromBitmap)(GetHandle(), &v, backgroundArgb), v); }
HICON GfxBitmap::CreateHICON() const { HICON v = nullptr; return Value(GDIP(GdipCreateHICONFromBitmap)(GetHandle(), &v), v); }
bool GfxBitmap::CloneArea(const GfxRectF& a, int pixelFormat, GfxBitmap& target) const { return Record(GDIP(GdipCloneBitmapArea)(a.x, a.y, a.width, a.height, pixelFormat, GetHandle(), Handover<GpBitmap>(target))); }
bool GfxBitmap::CloneAreaI(const GfxRect& a, int pixelFormat, GfxBitmap& target) const { return Record(GDIP(GdipCloneBitmapAreaI)(a.x, a.y, a.width, a.height, pixelFormat, GetHandle(), Handover<GpBitmap>(target))); }

bool GfxBitmap::LockBits(const GfxRect& area, unsigned flags, int pixelFormat, GfxBitmapData& data) {
  static_assert(sizeof(GfxBitmapData) == sizeof(BitmapData));
  return Record(GDIP(GdipBitmapLockBits)(GetHandle(), Rects(area), flags, pixelFormat, reinterpret_cast<BitmapData*>(&data)));
}

bool GfxBitmap::UnlockBits(GfxBitmapData& data) { return Record(GDIP(GdipBitmapUnlockBits)(GetHandle(), reinterpret_cast<BitmapData*>(&data))); }
std::uint32_t GfxBitmap::GetPixel(int x, int y) const { ARGB v = 0; return Value(GDIP(GdipBitmapGetPixel)(GetHandle(), x, y, &v), v); }
bool GfxBitmap::SetPixel(int x, int y, std::uint32_t argb) { return Record(GDIP(GdipBitmapSetPixel)(GetHandle(), x, y, argb)); }
bool GfxBitmap::SetResolution(float dpiX, float dpiY) { return Record(GDIP(GdipBitmapSetResolution)(GetHandle(), dpiX, dpiY)); }
bool GfxBitmap::ApplyEffect(const GfxObject& effect, RECT* area) { return Record(GDIP(GdipBitmapApplyEffect)(GetHandle(), static_cast<CGpEffect*>(effect.GetHandle()), area, FALSE, nullptr, nullptr)); }

bool GfxBitmap::RotateImage(float angle, GfxBitmap& target, std::optional<std::uint32_t> background,
                            std::optional<int> interpolationMode, std::optional<GfxPointF> size) const {
  const auto sourceWidth = static_cast<float>(GetWidth()), sourceHeight = static_cast<float>(GetHeight());
  float width = 0, height = 0;
  if (size) {
    width = size->x;
    height = size->y;
  } else {
    GetRotatedSize(sourceWidth, sourceHeight, static_cast<std::int32_t>(angle), width, height);
  }
  GfxBitmap canvas;
  if (!canvas.CreateFromScan0(static_cast<int>(width), static_cast<int>(height))) return false;
  canvas.SetResolution(GetHorizontalResolution(), GetVerticalResolution());
  GfxGraphics graphics;
  if (!graphics.CreateFromImage(canvas)) return false;
  if (background) {
    GfxSolidBrush brush;
    if (!brush.Create(*background)) return false;
    graphics.FillRectangle(brush, 0, 0, width, height);
  }
  if (interpolationMode) graphics.SetInterpolationMode(*interpolationMode);
  // Prepended, so read from the last: centre the picture in the canvas, then turn it about the
  // canvas centre.
  GpMatrix* native = nullptr;
  GDIP(GdipCreateMatrix)(&native);
  GDIP(GdipTranslateMatrix)(native, width / 2, height / 2, MatrixOrderPrepend);
  GDIP(GdipRotateMatrix)(native, angle, MatrixOrderPrepend);
  GDIP(GdipTranslateMatrix)(native, -width / 2, -height / 2, MatrixOrderPrepend);
  GDIP(GdipTranslateMatrix)(native, (width - sourceWidth) / 2, (height - sourceHeight) / 2, MatrixOrderPrepend);
  GDIP(GdipSetWorldTransform)(graphics, native);
  const bool drawn = graphics.DrawImage(*this, 0, 0);
  const int status = LastGdipStatus();
  graphics.ResetWorldTransform();
  GDIP(GdipDeleteMatrix)(native);
  graphics.Delete();
  target.SetHandle(canvas.GetHandle());
  canvas.SetHandle(nullptr);
  SetLastGdipStatus(status);
  return drawn;
}

void GfxBitmap::GetRotatedSize(float width, float height, std::int32_t angle, float& newWidth, float& newHeight) const {
  const RotatedSize size = RotatedExtent(width, height, angle);
  newWidth = size.width;
  newHeight = size.height;
}
