#include "BoardFixture.h"

namespace {

struct ChannelCase {
  const char* name;
  std::map<int, std::wstring> devices;  // empty: the default device does not open (output pairs)
  std::string passage;                  // as stored; empty: absent
  int selected;
  std::wstring selectedText;
};

class ChannelListTest : public BoardTest, public ::testing::WithParamInterface<ChannelCase> {};

TEST_P(ChannelListTest, SelectsTheSavedPassageOrTheFirstDevice) {
  const ChannelCase& c = GetParam();
  player.defaultOpens = !c.devices.empty();
  player.devices = c.devices;
  if (!c.passage.empty()) dir.Write("xnKxConfig.ini", "[music]\r\npassage=" + c.passage + "\r\n");
  board.Open();
  const Control list = Named(L"组合框1");
  EXPECT_EQ(runtime.ListItemText(list, 0), L"不输出音效");
  EXPECT_EQ(runtime.ListCount(list), c.devices.empty() ? 11 : 1 + static_cast<int>(c.devices.size()));
  for (int i = 0; i < runtime.ListCount(list); ++i) EXPECT_EQ(runtime.ListItemValue(list, i), i);
  EXPECT_EQ(runtime.ListSelection(list), c.selected);
  EXPECT_EQ(runtime.ListItemText(list, c.selected), c.selectedText);
  // The default device is opened to learn the variant, then closed, then the chosen one opened.
  ASSERT_GE(player.calls.size(), 3u);
  EXPECT_EQ(player.calls[0], L"InitDevice()");
  EXPECT_EQ(player.calls[1], L"FreeDevice()");
  EXPECT_EQ(player.calls[2], L"InitDevice(" + std::to_wstring(c.selected) + L")");
  EXPECT_TRUE(runtime.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChannelListTest,
    ::testing::Values(ChannelCase{"PairsDefault", {}, "", 1, L"系统音源"},
                      ChannelCase{"PairsPassage3", {}, "3", 3, L"6/7"},
                      ChannelCase{"PairsPassage10", {}, "10", 10, L"20/21"},
                      ChannelCase{"PairsPassage0", {}, "0", 1, L"系统音源"},
                      ChannelCase{"PairsTooLarge", {}, "11", 1, L"系统音源"},
                      ChannelCase{"PairsNegative", {}, "-2", 1, L"系统音源"},
                      ChannelCase{"TwoDevicesPassage2", {{1, L"扬声器"}, {2, L"USB 声卡"}}, "2", 2, L"USB 声卡"},
                      ChannelCase{"TwoDevicesTooLarge", {{1, L"扬声器"}, {2, L"USB 声卡"}}, "3", 1, L"扬声器"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardTest, ChoosingAChannelReopensTheDeviceAndSavesIt) {
  board.Open();
  player.calls.clear();
  const Control list = Named(L"组合框1");
  runtime.SetListSelection(list, 0);
  runtime.Raise(list, EventKind::ItemSelected);
  EXPECT_EQ(player.calls, (std::vector<std::wstring>{L"FreeDevice()", L"InitDevice(0)"}));
  ASSERT_EQ(runtime.messageBoxes.size(), 1u);
  EXPECT_EQ(runtime.messageBoxes[0].text, L"设备不输出音效初始化成功！");
  EXPECT_EQ(runtime.messageBoxes[0].title, L"信息：");
  EXPECT_EQ(runtime.messageBoxes[0].flags, 0u);
  EXPECT_NE(SettingsBytes().find("passage=0\r\n"), std::string::npos);
}

TEST_F(BoardTest, FailedChannelShowsTheWarningAndKeepsTheSavedPassage) {
  dir.Write("xnKxConfig.ini", "[music]\r\npassage=3\r\n[init]\r\nwriteFile=1\r\n");
  board.Open();
  player.deviceOpens[5] = false;
  const Control list = Named(L"组合框1");
  runtime.SetListSelection(list, 5);
  runtime.Raise(list, EventKind::ItemSelected);
  ASSERT_EQ(runtime.messageBoxes.size(), 1u);
  EXPECT_EQ(runtime.messageBoxes[0].text, L"设备初始化失败！");
  EXPECT_EQ(runtime.messageBoxes[0].title, L"失败");
  EXPECT_EQ(runtime.messageBoxes[0].flags, 0x1030u);
  EXPECT_EQ(SettingsBytes(), "[music]\r\npassage=3\r\n[init]\r\nwriteFile=1\r\n");
}

TEST_F(BoardTest, EveryVolumePositionIsSavedAndApplied) {
  board.Open();
  runtime.Raise(Named(L"按钮_音效5"), EventKind::Click);
  player.calls.clear();
  const Control slider = Named(L"滑块条1");
  for (int position : {99, 50, 0}) {
    runtime.SetSliderPosition(slider, position);
    runtime.Raise(slider, EventKind::PositionChanged);
  }
  EXPECT_EQ(player.calls, (std::vector<std::wstring>{L"SetChannelVolume(100,0.990000)", L"SetChannelVolume(100,0.500000)",
                                                     L"SetChannelVolume(100,0.000000)"}));
  EXPECT_NE(SettingsBytes().find("volume=0\r\n"), std::string::npos);

  FakeRuntime restarted{dir.Wide()};
  Board board2{restarted, player, hotkeyInput};
  board2.Open();
  EXPECT_EQ(restarted.SliderPosition(restarted.Named(L"滑块条1")), 0);
}

}  // namespace
