#pragma once
// Pictures: images loaded from byte strings or files, bitmaps made as off-screen canvases,
// and their way back to PNG bytes. Operations in the order of each class's operation table;
// conventions as GfxGraphics. Format identifiers travel as braced upper-case GUID text.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GfxMemoryStream.h"
#include "GfxObject.h"

class GfxGraphics;

inline constexpr std::string_view kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::int32_t kPixelFormat32bppArgb = 2498570;

// One installed encoder.
struct GfxCodecInfo {
  std::string classId, formatId, codecName, dllName, formatDescription, filenameExtension, mimeType;
  std::int32_t flags = 0, version = 0, signatureCount = 0, signatureSize = 0;
  ByteString signaturePatterns, signatureMasks;
};

struct GfxEncoderParameter {
  std::string category;  // GUID text
  std::int32_t numberOfValues = 0;
  std::int32_t type = 0;  // GDI+'s encoder parameter value type
  ByteString value;
};

struct GfxEncoderParameters {
  std::int32_t count = 0;
  std::vector<GfxEncoderParameter> parameters;
};

struct GfxPropertyItem {
  std::int32_t id = 0, length = 0, type = 0;
  ByteString value;
};

struct GfxPalette {
  std::int32_t flags = 0, count = 0;
  std::vector<std::uint32_t> entries;
};

// GDI+'s locked-bits record.
struct GfxBitmapData {
  std::uint32_t width = 0, height = 0;
  std::int32_t stride = 0, pixelFormat = 0;
  void* scan0 = nullptr;
  std::uintptr_t reserved = 0;
};

// Fills `encoders` with the installed encoders and answers how many there are.
int GetImageEncoderList(std::vector<GfxCodecInfo>& encoders);
// The class id of the first encoder whose format id is exactly this text (upper case, as the
// system lists them), or the empty text.
std::string FindEncoderClsid(std::string_view formatId);

class GfxImage : public GfxObject {
 public:
  GfxImage() = default;
  GfxImage(GfxImage&&) noexcept = default;
  ~GfxImage() override;
  void CopyFrom(const GfxImage& other) { ShareHandleOf(other); }

  // Releases the image, then the bytes it was loaded from.
  bool Dispose();
  bool LoadFromFile(std::string_view fileName, bool useIcm = false);
  bool LoadFromFileW(std::wstring_view fileName, bool useIcm = false);
  // Decodes any format GDI+ reads. The wrapper keeps a copy of the bytes while the image lives.
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);
  bool Clone(GfxImage& target) const;
  bool GetEncoderParameterList(std::string_view formatId, GfxEncoderParameters& parameters) const;
  // BMP unless a format is given; false without a call when no encoder has the format.
  bool SaveToFile(std::string_view fileName, std::string_view formatId = kBmpFormat,
                  const GfxEncoderParameters* parameters = nullptr) const;
  bool SaveToFileW(std::wstring_view fileName, std::string_view formatId = kBmpFormat,
                   const GfxEncoderParameters* parameters = nullptr) const;
  // The encoded file: in the image's own format unless one is given; empty when no encoder
  // has the format.
  ByteString SaveToBytes(std::optional<std::string_view> formatId = std::nullopt,
                         const GfxEncoderParameters* parameters = nullptr) const;
  bool SaveAdd(const GfxEncoderParameters& parameters);
  bool SaveAddImage(const GfxImage& image, const GfxEncoderParameters& parameters);

  int GetType() const;
  GfxPointF GetDimension() const;
  bool GetBounds(GfxRectF& bounds, int& unit) const;
  unsigned GetWidth() const;
  unsigned GetHeight() const;
  float GetHorizontalResolution() const;
  float GetVerticalResolution() const;
  unsigned GetFlags() const;
  std::string GetRawFormat() const;
  int GetPixelFormat() const;
  bool GetPalette(GfxPalette& palette) const;
  bool SetPalette(const GfxPalette& palette);
  bool GetThumbnail(unsigned width, unsigned height, GfxImage& target) const;
  unsigned GetFrameCount(std::string_view dimensionId) const;
  unsigned GetFrameDimensionsList(std::vector<std::string>& dimensionIds) const;
  bool SelectActiveFrame(std::string_view dimensionId, unsigned index);
  bool RotateFlip(int rotateFlipType);
  // Frame delays of an animation, in hundredths of a second; false and `delays` untouched
  // when the image has none.
  bool GetFrameDelays(std::vector<std::int32_t>& delays) const;
  bool GetPropertyItem(std::int32_t id, GfxPropertyItem& item) const;
  bool SetPropertyItem(const GfxPropertyItem& item);
  bool RemovePropertyItem(std::int32_t id);
  unsigned GetPropertyIdList(std::vector<std::int32_t>& ids) const;

 protected:
  GfxMemoryStream& Bytes() { return bytes_; }

 private:
  GfxMemoryStream bytes_;
};

class GfxBitmap : public GfxImage {
 public:
  GfxBitmap() = default;
  GfxBitmap(GfxBitmap&&) noexcept = default;
  void CopyFrom(const GfxBitmap& other) { ShareHandleOf(other); }

  bool CreateFromFile(std::string_view fileName, bool useIcm = false);
  bool CreateFromFileW(std::wstring_view fileName, bool useIcm = false);
  bool CreateFromBytes(std::span<const std::uint8_t> bytes, bool useIcm = false);

  bool CreateFromScan0Full(int width, int height, int stride, int pixelFormat, void* scan0);
  // A canvas, fully transparent; 32 bits per pixel with alpha unless a format is given.
  bool CreateFromScan0(int width, int height, int pixelFormat = kPixelFormat32bppArgb);
  bool CreateFromGraphics(int width, int height, const GfxGraphics& graphics);
  bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
  bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);
  bool CreateFromHICON(HICON icon);
  bool CreateFromResource(HINSTANCE instance, const wchar_t* name);
  // A new GDI bitmap the caller owns, transparency blended onto the background; 0 on failure.
  HBITMAP CreateHBITMAP(std::uint32_t backgroundArgb) const;
  HICON CreateHICON() const;
  bool CloneArea(const GfxRectF& area, int pixelFormat, GfxBitmap& target) const;
  bool CloneAreaI(const GfxRect& area, int pixelFormat, GfxBitmap& target) const;
  bool LockBits(const GfxRect& area, unsigned flags, int pixelFormat, GfxBitmapData& data);
  bool UnlockBits(GfxBitmapData& data);
  std::uint32_t GetPixel(int x, int y) const;
  bool SetPixel(int x, int y, std::uint32_t argb);
  bool SetResolution(float dpiX, float dpiY);
  // An effect object made elsewhere (this library has none), over the whole bitmap or `area`.
  bool ApplyEffect(const GfxObject& effect, RECT* area = nullptr);
  // A new canvas holding this bitmap turned by `angle` degrees about its centre, handed to
  // `target`: as large as GetRotatedSize says unless `size` is given; corners outside it are
  // cut. `background` fills the canvas first.
  bool RotateImage(float angle, GfxBitmap& target, std::optional<std::uint32_t> background = std::nullopt,
                   std::optional<int> interpolationMode = std::nullopt,
                   std::optional<GfxPointF> size = std::nullopt) const;
  // The extent of the outermost pixel centres after turning: at 0 degrees width - 1 by
  // height - 1.
  void GetRotatedSize(float width, float height, std::int32_t angle, float& newWidth, float& newHeight) const;
};
