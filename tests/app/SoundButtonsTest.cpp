#include "BoardFixture.h"

#include <filesystem>

namespace {

class SoundButtonsTest : public BoardTest {
 protected:
  void SetUp() override {
    board.Open();
    player.calls.clear();
  }
  void Click(const std::wstring& name) { runtime.Raise(Named(name), EventKind::Click); }
  std::wstring Music(const std::wstring& caption) { return dir.Wide() + L"\\data\\music\\" + caption + L".mp3"; }
  std::vector<std::wstring> PlaySequence(std::uint32_t previous, const std::wstring& path, std::uint32_t stream,
                                         const std::wstring& volume = L"1.000000") {
    return {L"FreeStream(" + std::to_wstring(previous) + L")", L"CreateStream(" + path + L")",
            L"SetChannelVolume(" + std::to_wstring(stream) + L"," + volume + L")",
            L"Play(" + std::to_wstring(stream) + L",1)"};
  }
};

TEST_F(SoundButtonsTest, PresetClickPlaysItsCaptionFileAndReplacesTheSound) {
  Click(L"按钮_音效100");
  EXPECT_EQ(player.calls, PlaySequence(0, Music(L"狗叫"), 100));
  EXPECT_EQ(board.CurrentChannel(), 100u);
  player.calls.clear();
  Click(L"按钮_音效100");  // the same preset again restarts it with a new stream
  EXPECT_EQ(player.calls, PlaySequence(100, Music(L"狗叫"), 101));
}

TEST_F(SoundButtonsTest, CaptionsAreUsedAsTheyStand) {
  const struct {
    const wchar_t* preset;
    const wchar_t* caption;
  } cases[] = {{L"按钮_音效44", L"搞笑1"}, {L"按钮_音效54", L"搞笑1"}, {L"按钮_音效127", L"遊戲結束"},
               {L"按钮_音效67", L"Cs 音效"}, {L"按钮_音效46", L"Crazy Frog特效"}, {L"按钮_音效1", L"群众笑声"}};
  for (const auto& c : cases) {
    player.calls.clear();
    Click(c.preset);
    ASSERT_EQ(player.calls.size(), 4u);
    EXPECT_EQ(player.calls[1], L"CreateStream(" + Music(c.caption) + L")");
  }
}

TEST_F(SoundButtonsTest, SliderZeroStillReplacesTheSound) {
  runtime.SetSliderPosition(Named(L"滑块条1"), 0);
  Click(L"按钮_音效5");
  EXPECT_EQ(player.calls, PlaySequence(0, Music(L"孙悟空出场"), 100, L"0.000000"));
}

TEST_F(SoundButtonsTest, MissingFileStillFreesTheOldStream) {
  Click(L"按钮_音效5");
  player.missingFiles = {Music(L"狗叫")};
  player.calls.clear();
  Click(L"按钮_音效100");
  EXPECT_EQ(player.calls, (std::vector<std::wstring>{L"FreeStream(100)", L"CreateStream(" + Music(L"狗叫") + L")",
                                                     L"SetChannelVolume(0,1.000000)"}));
  EXPECT_EQ(board.CurrentChannel(), 0u);
}

TEST_F(SoundButtonsTest, UserButtonIsAssignedThroughBothDialogsAndPlays) {
  std::filesystem::create_directories(dir.Path() / "my sounds");
  dir.Write("my sounds/欢呼 声音.wav", "RIFF");
  const std::wstring path = dir.Wide() + L"\\my sounds\\欢呼 声音.wav";
  runtime.fileAnswers.push_back(path);
  runtime.inputAnswers.push_back(L"欢呼");
  runtime.Raise(Named(L"按钮_自定义音效_3"), EventKind::RightPressed);

  EXPECT_EQ(runtime.dialogsShown, std::vector<Control>{Named(L"通用对话框1")});
  ASSERT_EQ(runtime.inputBoxes.size(), 1u);
  EXPECT_EQ(runtime.inputBoxes[0], (std::pair<std::wstring, std::wstring>{L"请输入自定义音效名称", L"输入"}));
  EXPECT_EQ(runtime.initialTexts[0], L"欢呼 声音.wav");
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_3")), L"欢呼");
  EXPECT_EQ(runtime.Tag(Named(L"按钮_自定义音效_3")), path);
  // name3 is written before file3, in GBK.
  EXPECT_NE(SettingsBytes().find("[music]\r\nname3=\xBB\xB6\xBA\xF4\r\nfile3="), std::string::npos);

  runtime.Raise(Named(L"按钮_自定义音效_3"), EventKind::Click);
  EXPECT_EQ(player.calls, PlaySequence(0, path, 100));

  // After a restart the button shows the caption and plays the file again; others stay unassigned.
  FakeRuntime restarted{dir.Wide()};
  FakeAudio player2;
  Board board2{restarted, player2, hotkeyInput};
  board2.Open();
  EXPECT_EQ(restarted.Caption(restarted.Named(L"按钮_自定义音效_3")), L"欢呼");
  EXPECT_EQ(restarted.Caption(restarted.Named(L"按钮_自定义音效_4")), L"自定义");
  player2.calls.clear();
  restarted.Raise(restarted.Named(L"按钮_自定义音效_3"), EventKind::Click);
  EXPECT_EQ(player2.calls, PlaySequence(0, path, 100));
}

TEST_F(SoundButtonsTest, CancelAtEitherDialogChangesNothing) {
  const std::string before = SettingsBytes();
  runtime.Raise(Named(L"按钮_自定义音效_7"), EventKind::RightPressed);  // file dialog cancelled
  EXPECT_TRUE(runtime.inputBoxes.empty());
  runtime.fileAnswers.push_back(L"C:\\x.mp3");
  runtime.Raise(Named(L"按钮_自定义音效_7"), EventKind::RightPressed);  // input box cancelled
  EXPECT_EQ(runtime.inputBoxes.size(), 1u);
  EXPECT_EQ(SettingsBytes(), before);
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_7")), L"自定义");
  EXPECT_EQ(runtime.Tag(Named(L"按钮_自定义音效_7")), L"");
}

TEST_F(SoundButtonsTest, SuggestedCaptionIsCutAtThirtyGbkBytes) {
  runtime.fileAnswers.push_back(L"D:/音效/一二三四五六七八九十一二三四五六七八.mp3");
  runtime.Raise(Named(L"按钮_自定义音效_12"), EventKind::RightPressed);
  ASSERT_EQ(runtime.initialTexts.size(), 1u);
  EXPECT_EQ(runtime.initialTexts[0], L"一二三四五六七八九十一二三四五");
  // 27 + 2 bytes fit; the next character would straddle byte 30 and is left out whole.
  runtime.fileAnswers.push_back(L"D:\\a\\abcdefghijklmnopqrstuvwxyz1一二.mp3");
  runtime.Raise(Named(L"按钮_自定义音效_12"), EventKind::RightPressed);
  EXPECT_EQ(runtime.initialTexts[1], L"abcdefghijklmnopqrstuvwxyz1一");
}

TEST_F(SoundButtonsTest, UnassignedOrVanishedUserFilesKeepTheSoundPlaying) {
  Click(L"按钮_音效5");
  player.calls.clear();
  runtime.Raise(Named(L"按钮_自定义音效_2"), EventKind::Click);  // no file
  runtime.SetTag(Named(L"按钮_自定义音效_2"), dir.Wide() + L"\\gone.wav");
  runtime.Raise(Named(L"按钮_自定义音效_2"), EventKind::Click);  // file deleted since
  EXPECT_TRUE(player.calls.empty());
}

TEST_F(SoundButtonsTest, EmptyEnteredCaptionIsKeptEmpty) {
  runtime.fileAnswers.push_back(L"C:\\x.mp3");
  runtime.inputAnswers.push_back(L"");
  runtime.Raise(Named(L"按钮_自定义音效_10"), EventKind::RightPressed);
  EXPECT_EQ(runtime.Caption(Named(L"按钮_自定义音效_10")), L"");
  EXPECT_NE(SettingsBytes().find("name10=\r\nfile10=C:\\x.mp3"), std::string::npos);
}

TEST_F(SoundButtonsTest, StopStopsWithoutFreeing) {
  runtime.Raise(Named(L"按钮_停止播放"), EventKind::Click);  // nothing plays: harmless
  Click(L"按钮_音效5");
  runtime.Raise(Named(L"按钮_停止播放"), EventKind::Click);
  Click(L"按钮_音效5");
  EXPECT_EQ(player.calls[0], L"Stop(0)");
  EXPECT_EQ(player.calls[5], L"Stop(100)");
  EXPECT_EQ(player.calls[6], L"FreeStream(100)");
  EXPECT_EQ(board.CurrentChannel(), 101u);
}

TEST_F(SoundButtonsTest, LinksOpenThroughTheShell) {
  runtime.Raise(Named(L"按钮1"), EventKind::Click);
  runtime.Raise(Named(L"图片框3"), EventKind::LeftPressed);
  EXPECT_EQ(runtime.shellOpened, (std::vector<std::wstring>{L"https://shop.example/board",
                                                            L"tencent://message/?uin=123456&Site=&Menu=yes"}));
}

}  // namespace
