// The set-hotkey window as the runtime builds it, with the real hotkey box in it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "DialogDriver.h"
#include "app/Board.h"
#include "runtime/HotkeyBoxInput.h"
#include "runtime/Win32Runtime.h"
#include "tests/fakes/FakeAudio.h"
#include "widgets/ControlWindows.h"
#include "widgets/IntHashTable.h"

namespace {

std::wstring TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"board-hotkey-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

RECT PlaceOf(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

class HotkeyWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartControlWindows(spare);
    board.Open();
  }
  void TearDown() override {
    DestroyWindow(Win32Runtime::Hwnd(board.MainWindow()));
    DiscardQuit();
    std::filesystem::remove_all(folder);
  }

  std::wstring folder = TempFolder();
  Win32Runtime runtime{{folder, folder + L"\\"}};
  FakeAudio player;
  IntHashTable spare;
  HotkeyBox box;
  HotkeyBoxInput input{box};
  Board board{runtime, player, input};
};

TEST_F(HotkeyWindowTest, OpensCentredTopmostWithItsControlsAndTheCurrentCombination) {
  const Control preset = runtime.FindControl(board.MainWindow(), L"按钮_音效120");
  runtime.SetTag(preset, L"33001,65,5");  // Ctrl + Alt + A
  struct Seen {
    LONG_PTR style = 0, exStyle = 0;
    RECT frame{};
    std::wstring boxText;
    RECT boxPlace{}, okPlace{}, cancelPlace{}, labelPlace{};
    std::wstring label;
  } seen;
  DialogDriver driver(L"修改快捷键:小丸子笑", [&](HWND window) {
    seen.style = GetWindowLongPtrW(window, GWL_STYLE);
    seen.exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    GetWindowRect(window, &seen.frame);
    HWND hotkeyBox = FindWindowExW(window, nullptr, HOTKEY_CLASSW, nullptr);
    seen.boxText = WindowTextOf(hotkeyBox);
    seen.boxPlace = PlaceOf(hotkeyBox);
    HWND label = FindWindowExW(window, nullptr, L"Static", nullptr);
    seen.label = WindowTextOf(label);
    seen.labelPlace = PlaceOf(label);
    seen.okPlace = PlaceOf(FindWindowExW(window, nullptr, L"Button", L"确定"));
    seen.cancelPlace = PlaceOf(FindWindowExW(window, nullptr, L"Button", L"取消"));
    PostMessageW(window, WM_CLOSE, 0, 0);  // the close box: changes nothing
  }, L"LantuoBoardWindow");
  EXPECT_EQ(board.OpenHotkeyWindow(preset), 0);
  ASSERT_TRUE(driver.Found());

  EXPECT_EQ(seen.frame.right - seen.frame.left, 301);
  EXPECT_EQ(seen.frame.bottom - seen.frame.top, 119);
  RECT area;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_NEAR((seen.frame.left + seen.frame.right) / 2, (area.left + area.right) / 2, 1);
  EXPECT_TRUE(seen.style & WS_CAPTION);
  EXPECT_TRUE(seen.style & WS_SYSMENU);
  EXPECT_FALSE(seen.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(seen.exStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(seen.boxText, L"Ctrl + Alt + A");
  EXPECT_EQ(std::tuple(seen.boxPlace.left, seen.boxPlace.top, seen.boxPlace.right, seen.boxPlace.bottom),
            std::tuple(96, 16, 96 + 184, 16 + 22));
  EXPECT_EQ(seen.label, L"设置快捷键:");
  EXPECT_EQ(std::tuple(seen.labelPlace.left, seen.labelPlace.top), std::tuple(8, 16));
  EXPECT_EQ(std::tuple(seen.okPlace.left, seen.okPlace.top), std::tuple(24, 56));
  EXPECT_EQ(std::tuple(seen.cancelPlace.left, seen.cancelPlace.top), std::tuple(176, 56));
  EXPECT_EQ(runtime.Tag(preset), L"33001,65,5");
  EXPECT_TRUE(IsWindowEnabled(Win32Runtime::Hwnd(board.MainWindow())));
}

// Each opening makes the box anew in the new window; OK with the box emptied clears the hotkey.
TEST_F(HotkeyWindowTest, ReopensWithAFreshBoxAndOkOnAnEmptyBoxClears) {
  const Control preset = runtime.FindControl(board.MainWindow(), L"按钮_音效5");
  for (int round = 0; round < 2; ++round) {
    DialogDriver driver(L"修改快捷键:孙悟空出场", [](HWND window) {
      HWND hotkeyBox = FindWindowExW(window, nullptr, HOTKEY_CLASSW, nullptr);
      SendMessageW(hotkeyBox, HKM_SETHOTKEY, 0, 0);
      PostMessageW(FindWindowExW(window, nullptr, L"Button", L"确定"), BM_CLICK, 0, 0);
    }, L"LantuoBoardWindow");
    EXPECT_EQ(board.OpenHotkeyWindow(preset), 1);
    EXPECT_TRUE(driver.Found());
  }
  EXPECT_EQ(runtime.Tag(preset), L"");
}

}  // namespace
