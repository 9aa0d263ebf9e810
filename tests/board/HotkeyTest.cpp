// Global hotkeys on the real program: set through the set-hotkey window with real input, they
// play or stop while another window has the focus or the board is minimised, and come back
// after a restart.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "BoardFolder.h"
#include "BoardProcess.h"
#include "RealInput.h"
#include "WaitFor.h"

namespace {

// A window of the test's own, to hold the focus the way a game or the streaming software does.
class ForegroundWindow {
 public:
  ForegroundWindow() {
    hwnd_ = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~ForegroundWindow() { DestroyWindow(hwnd_); }
  ForegroundWindow(const ForegroundWindow&) = delete;
  ForegroundWindow& operator=(const ForegroundWindow&) = delete;
  void Activate() {
    ClickOn(hwnd_);
    SetForegroundWindow(hwnd_);
    Pump();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

 private:
  HWND hwnd_;
};

class HotkeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write(L"data/music/孙悟空出场.mp3", "ID3");
    SetEnvironmentVariableW(L"FAKE_BASS_LOG", (folder.Wide() + L"\\calls.log").c_str());
  }
  std::vector<std::string> Calls() {
    std::vector<std::string> lines;
    std::istringstream in(folder.Read(L"calls.log"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
  bool WaitForCall(const std::string& prefix, std::size_t after) {
    return WaitUntil([&] {
      const auto calls = Calls();
      for (std::size_t i = after; i < calls.size(); ++i) {
        if (calls[i].starts_with(prefix)) return true;
      }
      return false;
    });
  }
  // Right-click a board button, press the combination in the set-hotkey window's box, then OK.
  HWND SetHotkeyOn(BoardProcess& board, HWND button, const std::wstring& title, std::initializer_list<WORD> keys) {
    ClickOn(button, true);
    HWND window = WaitForWindowTitled(board.Id(), title);
    if (!window) return nullptr;
    HWND box = FindWindowExW(window, nullptr, HOTKEY_CLASSW, nullptr);
    ClickOn(box);
    PressKeys(keys);
    ClickOn(FindWindowExW(window, nullptr, L"Button", L"确定"));
    return window;
  }
  std::string Settings() { return folder.Read(L"xnKxConfig.ini"); }

  void ExpectRefused(BoardProcess& board, HWND button, const std::wstring& title, bool setCtrlAltA) {
    ClickOn(button, true);
    HWND window = WaitForWindowTitled(board.Id(), title);
    ASSERT_TRUE(window);
    HWND box = FindWindowExW(window, nullptr, HOTKEY_CLASSW, nullptr);
    if (setCtrlAltA) SendMessageW(box, HKM_SETHOTKEY, MAKEWORD('A', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
    ClickOn(FindWindowExW(window, nullptr, L"Button", L"确定"));
    HWND refusal = WaitForWindowTitled(board.Id(), L"错误");
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(FindWindowExW(refusal, nullptr, nullptr, L"注册快捷键失败！"));
    PostMessageW(refusal, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(refusal); }));
    EXPECT_TRUE(IsWindow(window));
    ClickOn(FindWindowExW(window, nullptr, L"Button", L"取消"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  }

  BoardFolder folder{FAKE_BASS_PLUGINS};
};

TEST_F(HotkeyTest, HotkeysWorkInTheBackgroundAndAfterARestart) {
  ForegroundWindow other;
  {
    BoardProcess board(folder.Wide(), BoardFolder::kExe);
    ASSERT_TRUE(board.Window());
    HWND pages = FindWindowExW(board.Window(), nullptr, WC_TABCONTROLW, nullptr);
    HWND preset5 = FindWindowExW(pages, nullptr, L"Button", L"孙悟空出场");
    HWND stop = FindWindowExW(board.Window(), nullptr, L"Button", L"停止播放");

    HWND window = SetHotkeyOn(board, preset5, L"修改快捷键:孙悟空出场", {VK_CONTROL, VK_MENU, 'A'});
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
    EXPECT_NE(Settings().find("[hotkey]\r\nbtn5=65,5\r\n"), std::string::npos);

    // A combination already taken is refused and the window stays open for another try. A
    // registered combination never reaches the box as keys (the system takes it first), so
    // it gets there as the box's own value: unchanged on the same preset, set on another.
    ExpectRefused(board, preset5, L"修改快捷键:孙悟空出场", false);
    ExpectRefused(board, FindWindowExW(pages, nullptr, L"Button", L"出场音效"), L"修改快捷键:出场音效", true);
    EXPECT_EQ(Settings().find("btn6="), std::string::npos);

    window = SetHotkeyOn(board, stop, L"修改快捷键:停止播放", {VK_CONTROL, VK_MENU, 'S'});
    ASSERT_TRUE(window);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
    EXPECT_NE(Settings().find("btn_stop=83,5\r\n"), std::string::npos);

    // Another window has the focus: the preset's hotkey plays, the stop hotkey stops.
    other.Activate();
    std::size_t mark = Calls().size();
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitForCall("BASS_ChannelPlay(", mark));
    mark = Calls().size();
    PressKeys({VK_CONTROL, VK_MENU, 'S'});
    EXPECT_TRUE(WaitForCall("BASS_ChannelStop(", mark));

    // Minimised, still.
    ShowWindow(board.Window(), SW_MINIMIZE);
    other.Activate();
    mark = Calls().size();
    PressKeys({VK_CONTROL, VK_MENU, 'A'});
    EXPECT_TRUE(WaitForCall("BASS_ChannelPlay(", mark));
    ASSERT_TRUE(board.CloseAndWait());
  }
  // After a restart the hotkeys are registered again from the file.
  BoardProcess board(folder.Wide(), BoardFolder::kExe);
  ASSERT_TRUE(board.Window());
  other.Activate();
  const std::size_t mark = Calls().size();
  PressKeys({VK_CONTROL, VK_MENU, 'A'});
  EXPECT_TRUE(WaitForCall("BASS_ChannelPlay(", mark));
  ASSERT_TRUE(board.CloseAndWait());
}

}  // namespace
