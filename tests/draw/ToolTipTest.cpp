// The tooltip control over the system tooltip class, with a real owner window.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "ToolTipControl.h"

namespace {

class ToolTipTest : public testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  int ToolCount(HWND tip) { return static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0)); }
  std::wstring ToolText(HWND tip, UINT_PTR id) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = owner_;
    tool.uId = id;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return text;
  }

  HWND owner_ = nullptr;
};

TEST_F(ToolTipTest, RectangularOrBalloon) {
  struct Case {
    bool balloon;
    LONG style;
  } cases[] = {{false, TTS_ALWAYSTIP}, {true, TTS_ALWAYSTIP | TTS_BALLOON}};
  for (const Case& c : cases) {
    ToolTipControl tip;
    HWND window = tip.Create(owner_, c.balloon);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(tip.GetWindow(), window);
    EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), c.style) << c.balloon;
    wchar_t cls[64] = {};
    GetClassNameW(window, cls, 64);
    EXPECT_EQ(_wcsicmp(cls, L"tooltips_class32"), 0) << cls;
    DestroyWindow(window);
  }
}

TEST_F(ToolTipTest, ToolsAreAddedRetextedMovedAndDeleted) {
  ToolTipControl tip;
  HWND window = tip.Create(owner_);
  tip.AddTool(RECT{0, 0, 50, 20}, L"狗叫 Ctrl+1", 1);
  tip.AddToolCallback(RECT{0, 20, 50, 40}, 2);
  EXPECT_EQ(ToolCount(window), 2);
  EXPECT_EQ(ToolText(window, 1), L"狗叫 Ctrl+1");

  tip.UpdateTipText(1, L"狗叫 Ctrl+2");
  EXPECT_EQ(ToolText(window, 1), L"狗叫 Ctrl+2");
  tip.UpdateTipText(99, L"nobody's");  // never added: nothing changes
  EXPECT_EQ(ToolCount(window), 2);
  EXPECT_EQ(ToolText(window, 1), L"狗叫 Ctrl+2");

  tip.SetToolRect(1, RECT{10, 10, 60, 30});
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.hwnd = owner_;
  tool.uId = 1;
  ASSERT_TRUE(SendMessageW(window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.rect.left, 10);
  EXPECT_EQ(tool.rect.bottom, 30);
  EXPECT_EQ(tool.uFlags & TTF_SUBCLASS, static_cast<UINT>(TTF_SUBCLASS));

  tip.DeleteTool(1);
  EXPECT_EQ(ToolCount(window), 1);
  DestroyWindow(window);
}

TEST_F(ToolTipTest, ColoursAndWidthGoToTheWindow) {
  ToolTipControl tip;
  HWND window = tip.Create(owner_);
  tip.SetBackColor(RGB(1, 2, 3));
  tip.SetTextColor(RGB(4, 5, 6));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(window, TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageW(window, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(4, 5, 6));
  tip.SetMaxTipWidth(200);
  EXPECT_EQ(tip.SetMaxTipWidth(300), 200);
  DestroyWindow(window);
}

TEST_F(ToolTipTest, TheWindowOutlivesTheWrapper) {
  HWND window = nullptr;
  {
    ToolTipControl tip;
    window = tip.Create(owner_);
    tip.AddTool(RECT{0, 0, 10, 10}, L"hint", 7);
    ToolTipControl copy = tip;  // copies refer to the same window and own nothing
    EXPECT_EQ(copy.GetWindow(), window);
  }
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(ToolCount(window), 1);
  DestroyWindow(window);
}

}  // namespace
