// The real program with the real audio library, heard at the sound sink: presets play when
// clicked, stop, follow the slider and the channel list.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "BoardFolder.h"
#include "BoardProcess.h"
#include "RealInput.h"
#include "WaitFor.h"
#include "tests/bass/SinkRecorder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSink = "ci_sink";

// The loudest 10 ms of a recording, as RMS over both channels.
double LoudestRms(const std::vector<float>& samples, std::size_t from = 0, std::size_t to = ~std::size_t{0}) {
  constexpr std::size_t kBlock = 441 * 2;
  double loudest = 0;
  to = std::min(to, samples.size());
  for (std::size_t at = from; at + kBlock <= to; at += kBlock) {
    double sum = 0;
    for (std::size_t i = at; i < at + kBlock; ++i) sum += samples[i] * samples[i];
    loudest = std::max(loudest, std::sqrt(sum / kBlock));
  }
  return loudest;
}

constexpr double kHeard = 0.02;  // about -34 dBFS: far above the silence of an idle sink

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& file : fs::directory_iterator(fs::path(TEST_SOUNDS) / L"music")) {
      fs::copy_file(file.path(), folder.Path() / L"data" / L"music" / file.path().filename());
    }
  }
  // Records the sink while the action runs, and tells how loud it got afterwards.
  template <typename Action>
  double LoudnessOf(Action action, double seconds = 2.5) {
    SinkRecorder recorder(kSink, seconds + 1.5);
    recorder.WaitUntilRecording();
    action();
    const auto samples = recorder.Samples();
    return LoudestRms(samples, samples.size() > 44100 * 2 ? 44100 / 2 * 2 : 0);
  }
  HWND Preset(HWND pages, const wchar_t* caption) { return FindWindowExW(pages, nullptr, L"Button", caption); }
  // Shows a page with real input: a click on the first tab, then the arrow keys.
  void ShowPage(HWND board, HWND pages, int page) {
    POINT firstTab{16 + 20, 96 + 10};
    ClientToScreen(board, &firstTab);
    const bool shown = WaitUntil([&] {
      ClickAt(firstTab);
      Sleep(200);
      PressKeys({VK_HOME});
      for (int i = 1; i < page; ++i) PressKeys({VK_RIGHT});
      Sleep(300);
      return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == page - 1;
    });
    ASSERT_TRUE(shown) << "page " << page;
  }

  BoardFolder folder{BOARD_PLUGINS_PATH};
};

TEST_F(SoundTest, PresetsAreHeardAndFollowStopSliderAndChannel) {
  BoardProcess board(folder.Wide(), BoardFolder::kExe);
  ASSERT_TRUE(board.Window());
  HWND pages = FindWindowExW(board.Window(), nullptr, WC_TABCONTROLW, nullptr);

  EXPECT_GT(LoudnessOf([&] { ClickOn(Preset(pages, L"Crazy Frog特效")); }), kHeard);

  // The stop button silences the sound that plays.
  HWND stop = FindWindowExW(board.Window(), nullptr, L"Button", L"停止播放");
  ClickOn(Preset(pages, L"孙悟空出场"));
  Sleep(300);
  EXPECT_LT(LoudnessOf([&] { ClickOn(stop); }), kHeard / 4);

  // The slider at 0 (by keyboard) silences the next click.
  HWND slider = FindWindowExW(board.Window(), nullptr, TRACKBAR_CLASSW, nullptr);
  ClickOn(slider);
  PressKeys({VK_HOME});
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) == 0; }));
  EXPECT_LT(LoudnessOf([&] { ClickOn(Preset(pages, L"孙悟空出场")); }), kHeard / 4);
  ClickOn(slider);
  PressKeys({VK_END});
  ASSERT_TRUE(WaitUntil([&] { return folder.Read(L"xnKxConfig.ini").find("volume=100") != std::string::npos; }));

  ShowPage(board.Window(), pages, 3);
  ASSERT_TRUE(IsWindowVisible(Preset(pages, L"狗叫")));
  EXPECT_GT(LoudnessOf([&] { ClickOn(Preset(pages, L"狗叫")); }), kHeard);
  EXPECT_GT(LoudnessOf([&] { ClickOn(Preset(pages, L"遊戲結束")); }), kHeard);
  ShowPage(board.Window(), pages, 2);
  EXPECT_GT(LoudnessOf([&] { ClickOn(Preset(pages, L"Cs 音效")); }), kHeard);

  // "不输出音效": its success message, then silence.
  HWND list = FindWindowExW(board.Window(), nullptr, WC_COMBOBOXW, nullptr);
  ClickOn(list);
  Sleep(500);
  RECT box;
  GetWindowRect(list, &box);
  const int itemHeight = static_cast<int>(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0));
  ClickAt({(box.left + box.right) / 2, box.bottom + itemHeight / 2 + 2});  // the first item of the open list
  HWND message = WaitForWindowTitled(board.Id(), L"信息：");
  ASSERT_TRUE(message) << "selected item " << SendMessageW(list, CB_GETCURSEL, 0, 0);
  EXPECT_TRUE(FindWindowExW(message, nullptr, nullptr, L"设备不输出音效初始化成功！"));
  PostMessageW(message, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
  EXPECT_NE(folder.Read(L"xnKxConfig.ini").find("passage=0"), std::string::npos);
  EXPECT_LT(LoudnessOf([&] { ClickOn(Preset(pages, L"Cs 音效")); }), kHeard / 4);
  ASSERT_TRUE(board.CloseAndWait());
}

}  // namespace
