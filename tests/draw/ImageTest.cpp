// Images and bitmaps: bytes in, PNG bytes out, canvases, rotation.
#include <algorithm>
#include <vector>

#include "DrawTesting.h"

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// A 100 x 50 picture, red on the left half and blue on the right, as PNG bytes.
ByteString TwoColourPng() {
  Canvas canvas(100, 50);
  GfxSolidBrush red, blue;
  EXPECT_TRUE(red.Create(0xFFFF0000) && blue.Create(0xFF0000FF));
  canvas.graphics.FillRectangle(red, 0, 0, 50, 50);
  canvas.graphics.FillRectangle(blue, 50, 0, 50, 50);
  canvas.graphics.Flush();
  return canvas.bitmap.SaveToBytes(kPngFormat);
}

bool StartsWithPngSignature(const ByteString& bytes) {
  return bytes.size() > sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin());
}

TEST(Image, SavesPngBytesThatLoadBack) {
  const ByteString png = TwoColourPng();
  ASSERT_TRUE(StartsWithPngSignature(png));

  GfxImage image;
  ASSERT_TRUE(image.LoadFromBytes(png));
  EXPECT_EQ(image.GetWidth(), 100u);
  EXPECT_EQ(image.GetHeight(), 50u);
  EXPECT_EQ(image.GetRawFormat(), kPngFormat);
  EXPECT_TRUE(StartsWithPngSignature(image.SaveToBytes()));  // its own format when none is given

  GfxBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(png));
  EXPECT_TRUE(ColourNear(bitmap.GetPixel(10, 10), 0xFFFF0000, 0));
  EXPECT_TRUE(ColourNear(bitmap.GetPixel(90, 40), 0xFF0000FF, 0));
}

TEST(Image, APictureKeepsItsBytesWhenTheWrapperLoadsAnother) {
  GfxImage image;
  ASSERT_TRUE(image.LoadFromBytes(TwoColourPng()));
  GfxImage first;
  first.SetHandle(image.GetHandle());  // a second load does not release the first picture
  Canvas small(4, 4, 0xFF00FF00);
  ASSERT_TRUE(image.LoadFromBytes(small.bitmap.SaveToBytes(kPngFormat)));
  EXPECT_EQ(image.GetWidth(), 4u);
  Canvas canvas(100, 50);
  ASSERT_TRUE(canvas.graphics.DrawImage(first, 0, 0));
  EXPECT_TRUE(ColourNear(canvas.At(10, 10), 0xFFFF0000));
  EXPECT_TRUE(ColourNear(canvas.At(90, 40), 0xFF0000FF));
}

TEST(Image, NoEncoderForTheFormatGivesNoBytes) {
  Canvas canvas(8, 8);
  std::string lower(kPngFormat);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
  for (const std::string& format : {std::string("{00000000-0000-0000-0000-000000000001}"), lower, std::string("png")}) {
    EXPECT_TRUE(canvas.bitmap.SaveToBytes(format).empty()) << format;
  }
  EXPECT_EQ(FindEncoderClsid(lower), "");
  EXPECT_NE(FindEncoderClsid(kPngFormat), "");
}

TEST(Image, EncodersAreListed) {
  std::vector<GfxCodecInfo> encoders;
  const int count = GetImageEncoderList(encoders);
  ASSERT_EQ(count, static_cast<int>(encoders.size()));
  const auto png = std::find_if(encoders.begin(), encoders.end(), [](const GfxCodecInfo& c) { return c.formatId == kPngFormat; });
  ASSERT_NE(png, encoders.end());
  EXPECT_EQ(png->mimeType, "image/png");
  EXPECT_EQ(png->classId.size(), 38u);
}

TEST(Image, BytesThatAreNoPictureFailToLoadAndLeaveNothingToDispose) {
  const std::uint8_t garbage[] = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
  for (bool asBitmap : {false, true}) {
    SCOPED_TRACE(asBitmap);
    GfxBitmap wrapper;
    EXPECT_FALSE(asBitmap ? wrapper.CreateFromBytes(garbage) : wrapper.LoadFromBytes(garbage));
    EXPECT_NE(LastGdipStatus(), 0);
    EXPECT_EQ(wrapper.GetHandle(), nullptr);
    EXPECT_FALSE(wrapper.Dispose());
    EXPECT_FALSE(wrapper.LoadFromBytes({}));
  }
}

TEST(Bitmap, AScan0CanvasIsTransparentArgbByDefault) {
  GfxBitmap canvas;
  ASSERT_TRUE(canvas.CreateFromScan0(16, 8));
  EXPECT_EQ(canvas.GetPixelFormat(), kPixelFormat32bppArgb);
  EXPECT_EQ(canvas.GetPixel(3, 3), 0u);
  EXPECT_EQ(canvas.GetWidth(), 16u);
  GfxBitmap rgb;
  ASSERT_TRUE(rgb.CreateFromScan0(4, 4, 137224));  // 24 bits, no alpha
  EXPECT_EQ(rgb.GetPixelFormat(), 137224);

  ASSERT_TRUE(canvas.SetPixel(1, 1, 0x80FF0000));
  HBITMAP gdi = canvas.CreateHBITMAP(0xFF0000FF);
  ASSERT_NE(gdi, nullptr);
  BITMAP info{};
  GetObjectW(gdi, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 16);
  DeleteObject(gdi);
}

TEST(Bitmap, RotatedSizeMeasuresBetweenPixelCentres) {
  GfxBitmap bitmap;
  struct Case {
    int angle;
    float width, height;
  } cases[] = {{0, 99, 49}, {90, 49, 99}, {45, 104.65f, 104.65f}};
  for (const Case& c : cases) {
    float width = 0, height = 0;
    bitmap.GetRotatedSize(100, 50, c.angle, width, height);
    EXPECT_NEAR(width, c.width, 0.01) << c.angle;
    EXPECT_NEAR(height, c.height, 0.01) << c.angle;
  }
}

TEST(Bitmap, RotateImageTurnsThePictureOnANewCanvas) {
  GfxBitmap source;
  ASSERT_TRUE(source.CreateFromBytes(TwoColourPng()));
  GfxBitmap turned;
  ASSERT_TRUE(source.RotateImage(90, turned, 0xFF00FF00, 5));
  EXPECT_EQ(turned.GetWidth(), 49u);
  EXPECT_EQ(turned.GetHeight(), 99u);
  // A quarter turn clockwise: the red left half ends on top, the blue right half below.
  EXPECT_TRUE(ColourNear(turned.GetPixel(24, 10), 0xFFFF0000, 8));
  EXPECT_TRUE(ColourNear(turned.GetPixel(24, 88), 0xFF0000FF, 8));

  GfxBitmap sized;
  ASSERT_TRUE(source.RotateImage(0, sized, 0xFF00FF00, std::nullopt, GfxPointF{120, 70}));
  EXPECT_EQ(sized.GetWidth(), 120u);
  EXPECT_TRUE(ColourNear(sized.GetPixel(2, 2), 0xFF00FF00));  // the background around the picture
  EXPECT_TRUE(ColourNear(sized.GetPixel(60, 35), 0xFF0000FF, 8));
}

TEST(Image, RotateFlipAndPropertiesOfAPng) {
  GfxImage image;
  ASSERT_TRUE(image.LoadFromBytes(TwoColourPng()));
  ASSERT_TRUE(image.RotateFlip(1));  // 90 degrees
  EXPECT_EQ(image.GetWidth(), 50u);
  EXPECT_EQ(image.GetHeight(), 100u);
  std::vector<std::int32_t> delays{7, 8};
  EXPECT_FALSE(image.GetFrameDelays(delays));
  EXPECT_EQ(delays, (std::vector<std::int32_t>{7, 8}));
  GfxImage thumbnail;
  ASSERT_TRUE(image.GetThumbnail(10, 20, thumbnail));
  EXPECT_EQ(thumbnail.GetWidth(), 10u);
}

TEST(Image, SavesToAFileAndLoadsItBack) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"draw-test-按钮.png";
  GfxImage image;
  ASSERT_TRUE(image.LoadFromBytes(TwoColourPng()));
  ASSERT_TRUE(image.SaveToFileW(file, kPngFormat));
  GfxBitmap loaded;
  ASSERT_TRUE(loaded.CreateFromFileW(file));
  EXPECT_EQ(loaded.GetWidth(), 100u);
  loaded.Dispose();
  DeleteFileW(file.c_str());
  EXPECT_FALSE(image.SaveToFileW(file, "{00000000-0000-0000-0000-000000000001}"));
}

}  // namespace
