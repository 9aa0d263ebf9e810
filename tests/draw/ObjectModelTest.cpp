// What every wrapper shares: release conventions, ownership, the status, text and GUID
// conversions and the memory stream.
#include <functional>
#include <vector>

#include "DrawTesting.h"
#include "GfxFonts.h"
#include "GfxMemoryStream.h"
#include "GfxText.h"

namespace {

HDC MemoryDC() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

// Makes one native object in the wrapper and releases it through the wrapper's own release.
struct Kind {
  const char* name;
  std::function<bool(GfxObject&)> create;
  std::function<bool(GfxObject&)> release;
};

std::vector<Kind> Kinds() {
  return {
      {"graphics", [](GfxObject& o) { return static_cast<GfxGraphics&>(o).CreateFromHDC(MemoryDC()); },
       [](GfxObject& o) { return static_cast<GfxGraphics&>(o).Delete(); }},
      {"path", [](GfxObject& o) { return static_cast<GfxPath&>(o).Create(); },
       [](GfxObject& o) { return static_cast<GfxPath&>(o).Delete(); }},
      {"region", [](GfxObject& o) { return static_cast<GfxRegion&>(o).Create(); },
       [](GfxObject& o) { return static_cast<GfxRegion&>(o).Delete(); }},
      {"solid brush", [](GfxObject& o) { return static_cast<GfxSolidBrush&>(o).Create(0xFF102030); },
       [](GfxObject& o) { return static_cast<GfxSolidBrush&>(o).Delete(); }},
      {"pen", [](GfxObject& o) { return static_cast<GfxPen&>(o).CreateFromColor(0xFF000000, 1); },
       [](GfxObject& o) { return static_cast<GfxPen&>(o).Delete(); }},
      {"string format", [](GfxObject& o) { return static_cast<GfxStringFormat&>(o).Create(); },
       [](GfxObject& o) { return static_cast<GfxStringFormat&>(o).Delete(); }},
      {"font family", [](GfxObject& o) { return static_cast<GfxFontFamily&>(o).CreateFromNameW(L"SimSun"); },
       [](GfxObject& o) { return static_cast<GfxFontFamily&>(o).Delete(); }},
      {"bitmap", [](GfxObject& o) { return static_cast<GfxBitmap&>(o).CreateFromScan0(4, 4); },
       [](GfxObject& o) { return static_cast<GfxBitmap&>(o).Dispose(); }},
  };
}

template <typename F>
void ForEachKind(F test) {
  GfxGraphics graphics;
  GfxPath path;
  GfxRegion region;
  GfxSolidBrush brush;
  GfxPen pen;
  GfxStringFormat format;
  GfxFontFamily family;
  GfxBitmap bitmap;
  GfxObject* wrappers[] = {&graphics, &path, &region, &brush, &pen, &format, &family, &bitmap};
  const std::vector<Kind> kinds = Kinds();
  for (size_t i = 0; i < kinds.size(); ++i) {
    SCOPED_TRACE(kinds[i].name);
    test(kinds[i], *wrappers[i]);
  }
}

TEST(ObjectModel, ReleasingAnEmptyWrapperFailsWithoutTouchingTheStatus) {
  ForEachKind([](const Kind& kind, GfxObject& wrapper) {
    GfxPath empty;
    empty.AddLine(0, 0, 1, 1);  // GDI+ refuses the empty handle: InvalidParameter
    ASSERT_EQ(LastGdipStatus(), 2);
    EXPECT_FALSE(kind.release(wrapper));
    EXPECT_EQ(LastGdipStatus(), 2);
  });
}

TEST(ObjectModel, ReleaseEmptiesTheWrapperSoASecondReleaseFails) {
  ForEachKind([](const Kind& kind, GfxObject& wrapper) {
    ASSERT_TRUE(kind.create(wrapper));
    EXPECT_NE(wrapper.GetHandle(), nullptr);
    EXPECT_TRUE(kind.release(wrapper));
    EXPECT_EQ(LastGdipStatus(), 0);
    EXPECT_EQ(wrapper.GetHandle(), nullptr);
    EXPECT_FALSE(kind.release(wrapper));
  });
}

TEST(ObjectModel, ASecondCreateReplacesTheHandleAndLeavesTheFirstObjectAlive) {
  GfxPath path;
  ASSERT_TRUE(path.Create());
  void* first = path.GetHandle();
  ASSERT_TRUE(path.Create());
  EXPECT_NE(path.GetHandle(), first);
  GfxPath earlier;
  earlier.SetHandle(first);  // still a live path: it takes figures and releases cleanly
  EXPECT_TRUE(earlier.AddRectangle(0, 0, 4, 4));
  EXPECT_EQ(earlier.GetPointCount(), 4);
  EXPECT_TRUE(earlier.Delete());
}

TEST(ObjectModel, CopyFromSharesTheObjectAndOnlyTheOwnerReleasesIt) {
  GfxPath owner;
  ASSERT_TRUE(owner.Create());
  {
    GfxPath view;
    view.CopyFrom(owner);
    EXPECT_EQ(view.GetHandle(), owner.GetHandle());
    EXPECT_TRUE(view.AddRectangle(0, 0, 8, 8));
  }  // the view goes without releasing
  EXPECT_EQ(owner.GetPointCount(), 4);
  EXPECT_EQ(LastGdipStatus(), 0);
}

TEST(ObjectModel, MovingHandsTheObjectOverAndEmptiesTheSource) {
  GfxPen pen;
  ASSERT_TRUE(pen.CreateFromColor(0xFF000000, 3));
  void* native = pen.GetHandle();
  GfxPen moved(std::move(pen));
  EXPECT_EQ(pen.GetHandle(), nullptr);
  EXPECT_EQ(moved.GetHandle(), native);
  EXPECT_FLOAT_EQ(moved.GetWidth(), 3);
}

TEST(ObjectModel, FailedCallsReportGdiplusStatusAndGettersAnswerZero) {
  GfxPen empty;
  EXPECT_FLOAT_EQ(empty.GetWidth(), 0);
  EXPECT_EQ(LastGdipStatus(), 2);
  GfxGraphics graphics;
  EXPECT_FALSE(graphics.Clear(0xFFFFFFFF));
  EXPECT_EQ(LastGdipStatus(), 2);
  EXPECT_EQ(graphics.GetClipBounds().width, 0);
}

TEST(ObjectModel, AllocAndFreeGoThroughGdiplus) {
  GfxObject object;
  void* block = object.Alloc(64);
  ASSERT_NE(block, nullptr);
  object.Free(block);
}

TEST(TextConversion, AnsiAndUtf16) {
  EXPECT_EQ(AnsiToWide(""), L"");
  EXPECT_EQ(AnsiToWide("").c_str()[0], L'\0');
  EXPECT_EQ(AnsiToWide("Button 1"), L"Button 1");
  EXPECT_EQ(AnsiToWide(std::string_view("ab\0cd", 5)), L"ab");
  EXPECT_EQ(WideToAnsi(L"Stop"), "Stop");
  EXPECT_EQ(WideToAnsi(L""), "");
}

TEST(TextConversion, GuidText) {
  const GUID png = TextToGuid(kPngFormat);
  EXPECT_EQ(png.Data1, 0xB96B3CAFu);
  EXPECT_EQ(GuidToText(png), kPngFormat);
  EXPECT_EQ(GuidToText(png).size(), 38u);
  for (std::string_view notAGuid : {"", "png", "{B96B3CAF-0728-11D3-9D7B}", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E"}) {
    EXPECT_TRUE(TextToGuid(notAGuid) == GUID{}) << notAGuid;
  }
}

TEST(MemoryStream, HoldsACopyOfTheBytesAndGivesTheWholeBlockBack) {
  GfxMemoryStream stream;
  const std::uint8_t data[] = {1, 2, 3, 4, 5};
  IStream* created = stream.CreateFromBytes(data);
  ASSERT_NE(created, nullptr);
  EXPECT_EQ(stream.GetStream(), created);
  EXPECT_GE(stream.GetSize(), sizeof data);
  const ByteString bytes = stream.ToBytes();
  ASSERT_EQ(bytes.size(), stream.GetSize());
  EXPECT_TRUE(std::equal(std::begin(data), std::end(data), bytes.begin()));
  std::uint8_t read[5] = {};
  ULONG count = 0;
  ASSERT_EQ(created->Read(read, sizeof read, &count), S_OK);
  EXPECT_EQ(count, sizeof read);
  EXPECT_EQ(read[4], 5);

  stream.Release();
  EXPECT_EQ(stream.GetStream(), nullptr);
  EXPECT_EQ(stream.GetHGlobal(), nullptr);
  EXPECT_TRUE(stream.ToBytes().empty());
}

TEST(MemoryStream, AttachesAStreamOverGlobalMemory) {
  IStream* made = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &made), S_OK);
  ULONG written = 0;
  made->Write("board", 5, &written);
  GfxMemoryStream stream;
  ASSERT_TRUE(stream.AttachStream(made));
  const ByteString bytes = stream.ToBytes();
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "board");
  EXPECT_FALSE(stream.AttachStream(nullptr));
}

}  // namespace
