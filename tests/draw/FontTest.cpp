// Fonts, families, the installed collection and string formats.
#include <vector>

#include "DrawTesting.h"
#include "GfxFonts.h"

namespace {

TEST(Font, FromAnInstalledNameKeepsSizeAndStyle) {
  GfxFont font;
  ASSERT_TRUE(font.CreateFromNameW(L"宋体", 14, 1, 2));
  EXPECT_FLOAT_EQ(font.GetSize(), 14);
  EXPECT_EQ(font.GetStyle(), 1);
  EXPECT_EQ(font.GetUnit(), 2);
  GfxFontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  EXPECT_FALSE(family.GetNameW().empty());
  EXPECT_TRUE(family.Delete());
}

TEST(Font, AMissingFamilyFailsWithTheFontsStatus) {
  GfxFont font;
  EXPECT_FALSE(font.CreateFromName("No Such Typeface Anywhere", 12));
  EXPECT_EQ(LastGdipStatus(), 2);  // the font over an empty family, not the family's not-found
  EXPECT_FALSE(font.CreateFromNameW(L"No Such Typeface Anywhere", 12));
  EXPECT_EQ(LastGdipStatus(), 2);
}

TEST(Font, FromADeviceContext) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT gdiFont = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"SimSun");
  HGDIOBJ old = SelectObject(dc, gdiFont);
  GfxFont selected, given, system;
  EXPECT_TRUE(selected.CreateFromDC(dc));  // no GDI font: the one selected into the context
  EXPECT_EQ(selected.GetStyle() & 1, 1);
  SelectObject(dc, old);
  EXPECT_TRUE(given.CreateFromDC(dc, gdiFont));
  EXPECT_EQ(given.GetStyle() & 1, 1);
  // Wine's default GUI face is a bitmap font, which GDI+ refuses (NotTrueTypeFont); then the
  // wrapper stays empty.
  if (system.CreateDefaultGuiFont()) {
    EXPECT_GT(system.GetSize(), 0);
  } else {
    EXPECT_EQ(LastGdipStatus(), 16);
    EXPECT_EQ(system.GetHandle(), nullptr);
  }
  DeleteObject(gdiFont);
  DeleteDC(dc);
}

TEST(FontFamily, NameAndMetrics) {
  GfxFontFamily family;
  ASSERT_TRUE(family.CreateFromName("SimSun"));
  EXPECT_FALSE(family.GetName().empty());
  EXPECT_TRUE(family.IsStyleAvailable(0));
  EXPECT_GT(family.GetEmHeight(0), 0);
  EXPECT_TRUE(family.Delete());
}

TEST(FontCollection, AnEmptyWrapperIsTheInstalledFonts) {
  GfxFontCollection installed;
  const int count = installed.GetFamilyCount();
  EXPECT_GT(count, 0);
  std::vector<GfxFontFamily> families(3);
  EXPECT_EQ(installed.GetFamilyList(0, families), 0);
  EXPECT_EQ(LastGdipStatus(), 2);
  EXPECT_EQ(families.size(), 3u);
  const int found = installed.GetFamilyList(2, families);
  ASSERT_EQ(found, std::min(count, 2));
  ASSERT_EQ(families.size(), 2u);
  EXPECT_FALSE(families[0].GetNameW().empty());
}

TEST(StringFormat, KeepsAlignmentTrimmingAndRanges) {
  GfxStringFormat format;
  ASSERT_TRUE(format.Create());
  ASSERT_TRUE(format.SetAlign(1) && format.SetLineAlign(2) && format.SetTrimming(3));
  EXPECT_EQ(format.GetAlign(), 1);
  EXPECT_EQ(format.GetLineAlign(), 2);
  EXPECT_EQ(format.GetTrimming(), 3);
  const GfxCharacterRange ranges[] = {{0, 1}, {1, 2}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 2);
  const float stops[] = {10, 20};
  ASSERT_TRUE(format.SetTabStops(4, stops));
  float first = 0;
  std::vector<float> read;
  EXPECT_EQ(format.GetTabStops(first, read), 2);
  EXPECT_FLOAT_EQ(first, 4);
  EXPECT_FLOAT_EQ(read[1], 20);
}

}  // namespace
