#include "BoardFixture.h"

TEST_F(BoardTest, FirstStartWritesOnlyTheFlagAndMakesTheShortcut) {
  board.Open();
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n");
  ASSERT_EQ(runtime.shortcuts.size(), 1u);
  EXPECT_EQ(runtime.shortcuts[0].link, L"C:\\Users\\host\\Desktop\\LantuoSoundBoard.lnk");
  EXPECT_EQ(runtime.shortcuts[0].target, dir.Wide() + L"\\LantuoSoundBoard.exe");
  EXPECT_EQ(runtime.sleeps, std::vector<int>{10});
  EXPECT_EQ(runtime.associationNotices, 1);
  EXPECT_EQ(runtime.libraryFolder, dir.Wide() + L"\\plugins");
  EXPECT_EQ(runtime.SliderPosition(Named(L"滑块条1")), 100);
  EXPECT_EQ(runtime.ListSelection(Named(L"组合框1")), 1);
}

TEST_F(BoardTest, SecondStartMakesNoShortcut) {
  dir.Write("xnKxConfig.ini", "[init]\r\nwriteFile=1\r\n");
  board.Open();
  EXPECT_TRUE(runtime.shortcuts.empty());
  EXPECT_EQ(runtime.associationNotices, 0);
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n");
}

TEST_F(BoardTest, ShortcutFailureIsNotRetried) {
  runtime.shortcutFails = true;
  board.Open();
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n");
}

TEST(BoardShortcut, ExecutableWithoutDotGetsLnkAppended) {
  TempDir dir;
  FakeRuntime runtime{dir.Wide(), L"board"};
  FakeAudio player;
  FakeHotkeyInput hotkeyInput;
  Board board{runtime, player, hotkeyInput};
  board.Open();
  ASSERT_EQ(runtime.shortcuts.size(), 1u);
  EXPECT_EQ(runtime.shortcuts[0].link, L"C:\\Users\\host\\Desktop\\board.lnk");
  EXPECT_EQ(runtime.shortcuts[0].target, dir.Wide() + L"\\board");
}

TEST_F(BoardTest, MalformedNumbersConvertByTheIntegerRule) {
  dir.Write("xnKxConfig.ini", "[music]\r\nvolume=abc\r\npassage=3x\r\n[init]\r\nwriteFile=1\r\n");
  board.Open();
  EXPECT_EQ(runtime.SliderPosition(Named(L"滑块条1")), 0);
  EXPECT_EQ(runtime.ListSelection(Named(L"组合框1")), 3);
}

TEST_F(BoardTest, UserButtonsShowTheirSavedCaptionAndFile) {
  // GBK: 欢呼 = BB B6 BA F4
  dir.Write("xnKxConfig.ini", "[music]\r\nname3=\xBB\xB6\xBA\xF4\r\nfile3=C:\\a b\\x.wav\r\nname4=\r\n");
  board.Open();
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_3")), L"欢呼");
  EXPECT_EQ(runtime.Tag(Named(L"按钮_自定义音效_3")), L"C:\\a b\\x.wav");
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_4")), L"");  // present but empty
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_30")), L"自定义");
  EXPECT_EQ(runtime.Tag(Named(L"按钮_自定义音效_30")), L"");
}

TEST_F(BoardTest, ClosingFreesStreamThenDevice) {
  board.Open();
  player.calls.clear();
  runtime.Close(board.MainWindow());
  EXPECT_EQ(player.calls, (std::vector<std::wstring>{L"FreeStream(0)", L"FreeDevice()"}));
}
