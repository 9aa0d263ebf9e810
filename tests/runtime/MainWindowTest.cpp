// The main window as the Win32 runtime builds it from its layout: frame, controls, pages, and
// the events that reach the handlers.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "DialogDriver.h"
#include "app/Board.h"
#include "app/Catalogue.h"
#include "app/MainLayout.h"
#include "runtime/Win32Runtime.h"
#include "tests/fakes/FakeAudio.h"
#include "tests/fakes/FakeHotkeyInput.h"

namespace {

const MakerLinks kLinks{L"https://shop.example/board", L"123456"};

std::wstring TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"board-window-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { window = board.Open(); }
  void TearDown() override {
    if (IsWindow(Hwnd(window))) DestroyWindow(Hwnd(window));
    DiscardQuit();
    std::filesystem::remove_all(folder);
  }

  static HWND Hwnd(Control c) { return Win32Runtime::Hwnd(c); }
  HWND Named(const wchar_t* name) { return Hwnd(runtime.FindControl(window, name)); }
  // Position of a control in its parent's client area.
  RECT PlaceOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  std::wstring folder = TempFolder();
  Win32Runtime runtime{{folder, folder + L"\\"}};
  FakeAudio player;
  FakeHotkeyInput hotkeyInput;
  Board board{runtime, player, hotkeyInput, {kLinks, {}}};
  Control window;
};

TEST_F(MainWindowTest, FrameIsCentredCaptionlessWithMinimizeBox) {
  HWND hwnd = Hwnd(window);
  EXPECT_EQ(WindowTextOf(hwnd), L"澜拓音频声浪台 v8.0.14");
  RECT r;
  GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 472);
  EXPECT_EQ(r.bottom - r.top, 610);
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_NEAR((r.left + r.right) / 2, (area.left + area.right) / 2, 1);
  const auto style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const auto exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX));
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_VISIBLE);
  EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
}

TEST_F(MainWindowTest, EveryLayoutControlIsInPlace) {
  const WindowLayout layout = MainWindowLayout(kLinks);
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlSpec& item = layout.controls[i];
    SCOPED_TRACE(testing::Message() << "control #" << i);
    HWND hwnd = Named(item.name.c_str());
    ASSERT_TRUE(hwnd);
    const HWND parent = item.parent.empty() ? Hwnd(window) : Named(item.parent.c_str());
    EXPECT_EQ(GetParent(hwnd), parent);
    if (item.kind == ControlKind::FileDialog) continue;
    const RECT r = PlaceOf(hwnd);
    EXPECT_EQ(r.left, item.x);
    EXPECT_EQ(r.top, item.y);
    EXPECT_EQ(r.right - r.left, item.width);
    if (item.kind != ControlKind::DropDownList) {
      EXPECT_EQ(r.bottom - r.top, item.height);
    }
    const bool textIsState = item.kind == ControlKind::TabControl || item.kind == ControlKind::DropDownList ||
                             item.name.starts_with(L"按钮_自定义音效_");
    if (!textIsState) {
      EXPECT_EQ(WindowTextOf(hwnd), item.text);
    }
  }
  EXPECT_EQ(runtime.FindControls(window, L"按钮_音效", ControlKind::PushButton).size(), 220u);
  EXPECT_EQ(runtime.FindControls(window, L"按钮_自定义音效_", ControlKind::PushButton).size(), 30u);
  EXPECT_EQ(WindowTextOf(Named(L"按钮_自定义音效_17")), L"自定义");
  EXPECT_EQ(runtime.Caption(runtime.FindControl(window, L"通用对话框1")), L"选择自定义音效");
}

TEST_F(MainWindowTest, SixPagesWithPageOneShown) {
  HWND tab = Named(L"高级选择夹1");
  const wchar_t* titles[] = {L"主持人专用", L"MC喊麦专用", L"搞笑类音效", L"人物类音效", L"生活类音效", L"自定义音效"};
  ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 6);
  for (int i = 0; i < 6; ++i) {
    wchar_t text[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(std::wstring(text), titles[i]);
  }
  EXPECT_EQ(runtime.TabPage(Win32Runtime::Of(tab)), 0);
  EXPECT_TRUE(IsWindowVisible(Named(L"按钮_音效1")));
  EXPECT_FALSE(IsWindowVisible(Named(L"按钮_音效47")));
  EXPECT_FALSE(IsWindowVisible(Named(L"按钮_自定义音效_1")));

  runtime.SetTabPage(Win32Runtime::Of(tab), 5);
  EXPECT_TRUE(IsWindowVisible(Named(L"按钮_自定义音效_30")));
  EXPECT_FALSE(IsWindowVisible(Named(L"按钮_音效1")));
  runtime.SetTabPage(Win32Runtime::Of(tab), 1);
  EXPECT_TRUE(IsWindowVisible(Named(L"按钮_音效47")));
  EXPECT_FALSE(IsWindowVisible(Named(L"按钮_自定义音效_30")));
}

// Buttons inside the tab control and the group box still reach the window's handlers, and a
// redirected preset runs the first preset's handler with itself as the event's control.
TEST_F(MainWindowTest, ContainedButtonsRaiseTheirEventsThroughRedirection) {
  std::vector<std::wstring> seen;
  auto record = [&](const wchar_t* what) {
    return [this, &seen, what] { seen.push_back(std::wstring(what) + L":" + runtime.Name(runtime.EventControl())); };
  };
  runtime.Attach(runtime.FindControl(window, L"按钮_音效1"), EventKind::Click, record(L"preset"));
  runtime.Attach(runtime.FindControl(window, L"按钮_音效5"), EventKind::Click, record(L"never"));
  runtime.Attach(runtime.FindControl(window, L"按钮_音效1"), EventKind::RightReleased, record(L"right"));
  runtime.Attach(runtime.FindControl(window, L"按钮1"), EventKind::Click, record(L"shop"));
  runtime.Attach(runtime.FindControl(window, L"图片框3"), EventKind::LeftPressed, record(L"picture"));

  SendMessageW(Named(L"按钮_音效5"), BM_CLICK, 0, 0);
  SendMessageW(Named(L"按钮_音效127"), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  SendMessageW(Named(L"按钮_音效127"), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageW(Named(L"按钮1"), BM_CLICK, 0, 0);
  SendMessageW(Named(L"图片框3"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"preset:按钮_音效5", L"right:按钮_音效127", L"shop:按钮1",
                                             L"picture:图片框3"}));
}

TEST_F(MainWindowTest, SettingPositionOrSelectionRaisesNoEvent) {
  int events = 0;
  const Control slider = runtime.FindControl(window, L"滑块条1");
  const Control list = runtime.FindControl(window, L"组合框1");
  runtime.Attach(slider, EventKind::PositionChanged, [&] { ++events; });
  runtime.Attach(list, EventKind::ItemSelected, [&] { ++events; });
  runtime.SetSliderPosition(slider, 37);
  runtime.SetListSelection(list, 2);
  Pump();
  EXPECT_EQ(events, 0);
  EXPECT_EQ(runtime.SliderPosition(slider), 37);
  EXPECT_EQ(runtime.ListSelection(list), 2);
  EXPECT_EQ(runtime.ListItemText(list, 2), L"4/5");
  EXPECT_EQ(runtime.ListItemValue(list, 2), 2);

  // A user's scroll does raise it.
  SendMessageW(Hwnd(window), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40), reinterpret_cast<LPARAM>(Hwnd(slider)));
  EXPECT_EQ(events, 1);
}

TEST_F(MainWindowTest, HotkeyIdsCountOnePerAttempt) {
  const Control label = runtime.FindControl(window, L"标签_热键");
  std::vector<int> fed;
  runtime.Attach(label, EventKind::Feedback, [&] { fed.push_back(runtime.EventValue()); });
  const int first = runtime.RegisterHotkey(window, label, 1 | 4, 'Q');
  const int busy = runtime.RegisterHotkey(window, label, 1 | 4, 'Q');
  const int third = runtime.RegisterHotkey(window, label, 2, VK_F7);
  EXPECT_EQ(first, 33001);
  EXPECT_EQ(busy, 0);
  EXPECT_EQ(third, 33003);
  SendMessageW(Hwnd(window), WM_HOTKEY, first, 0);
  EXPECT_EQ(fed, std::vector<int>{33001});
  runtime.UnregisterHotkey(window, first);
  EXPECT_EQ(runtime.RegisterHotkey(window, label, 1 | 4, 'Q'), 33004);
}

TEST_F(MainWindowTest, TooltipIsAddedThenReplaced) {
  const Control button = runtime.FindControl(window, L"按钮_音效5");
  HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
  while (tip && GetWindow(tip, GW_OWNER) != Hwnd(window)) tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr);
  ASSERT_TRUE(tip);
  const LRESULT tools = SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0);  // the start-up set every preset's
  EXPECT_EQ(tools, 221);
  runtime.SetTooltip(button, L"右键设置快捷键");
  runtime.SetTooltip(button, L"快捷键:Ctrl + Alt + A");
  EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), tools);
  wchar_t text[128] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = GetParent(Hwnd(button));
  info.uId = reinterpret_cast<UINT_PTR>(Hwnd(button));
  info.lpszText = text;
  SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(std::wstring(text), L"快捷键:Ctrl + Alt + A");
}

TEST_F(MainWindowTest, MessageBoxIsTaskModalWithDefaultTitle) {
  DialogDriver driver(L"信息：", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDOK, 0); });
  Runtime& services = runtime;  // the default title is the interface's
  EXPECT_EQ(services.ShowMessage(L"设备不输出音效初始化成功！", MB_OK), IDOK);
  EXPECT_TRUE(driver.Found());
}

TEST_F(MainWindowTest, InputBoxReturnsTheTextOnOkAndNothingOnCancel) {
  {
    DialogDriver driver(L"输入", [](HWND dialog) {
      HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
      EXPECT_EQ(WindowTextOf(edit), L"警笛.mp3");
      SetWindowTextW(edit, L"警笛 长");
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(runtime.InputBox(L"请输入自定义音效名称", L"输入", L"警笛.mp3"), L"警笛 长");
  }
  {
    DialogDriver driver(L"输入", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(runtime.InputBox(L"请输入自定义音效名称", L"输入", L"x"), std::nullopt);
  }
}

TEST_F(MainWindowTest, ClosingRunsTheClosingHandlerAndEndsTheLoop) {
  player.calls.clear();
  PostMessageW(Hwnd(window), WM_CLOSE, 0, 0);
  EXPECT_EQ(runtime.RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(Hwnd(window)));
  EXPECT_EQ(player.calls, (std::vector<std::wstring>{L"FreeStream(0)", L"FreeDevice()"}));
}

}  // namespace
