#include "BoardFixture.h"

#include "app/Hotkey.h"

TEST(HotkeyText, ShowsModifiersThenTheKeyCharacter) {
  const struct {
    int key, modifiers;
    const wchar_t* text;
  } cases[] = {{65, 5, L"Ctrl + Alt + A"}, {112, 2, L"Shift + p"}, {116, 0, L"t"}, {0, 7, L""},
               {'7', 7, L"Ctrl + Shift + Alt + 7"}, {0x141, 1, L"Ctrl + A"}};
  for (const auto& c : cases) EXPECT_EQ(hotkey::Text(c.key, c.modifiers), c.text);
}

TEST(HotkeyModifiers, ConvertBetweenBoardAndBoxFlags) {
  // Board: 1 Ctrl, 2 Shift, 4 Alt. Box: 1 Shift, 2 Ctrl, 4 Alt, 8 extended (ignored).
  const std::pair<int, int> pairs[] = {{0, 0}, {1, 2}, {2, 1}, {4, 4}, {3, 3}, {5, 6}, {6, 5}, {7, 7}};
  for (auto [board, box] : pairs) {
    EXPECT_EQ(hotkey::BoxFlagsFromModifiers(board), box);
    EXPECT_EQ(hotkey::ModifiersFromBoxFlags(box), board);
    EXPECT_EQ(hotkey::ModifiersFromBoxFlags(box | 8), board);
  }
}

namespace {

class HotkeysTest : public BoardTest {
 protected:
  void Open(const std::string& settings = "[init]\r\nwriteFile=1\r\n") {
    dir.Write("xnKxConfig.ini", settings);
    board.Open();
  }
  // Opens the set-hotkey window on a button, where the user presses a combination (box flags)
  // and then the window's buttons in turn ("按钮1" OK, "按钮2" Cancel).
  void SetHotkey(const wchar_t* button, HotkeyValue pressed, std::vector<const wchar_t*> clicks = {L"按钮1"}) {
    runtime.modalActions.push_back([this, pressed, clicks](Control window) {
      titles.push_back(runtime.Caption(window));
      shownInBox.push_back(hotkeyInput.shown);
      hotkeyInput.pressed = pressed;
      for (const wchar_t* click : clicks) {
        if (runtime.Exists(window)) runtime.ClickIn(click)(window);
      }
      stillOpen = runtime.Exists(window);
    });
    runtime.Raise(Named(button), EventKind::RightReleased);
  }
  std::wstring Tip(const wchar_t* name) { return runtime.At(Named(name)).tooltip; }
  std::wstring Tag(const wchar_t* name) { return runtime.Tag(Named(name)); }

  std::vector<std::wstring> titles;
  std::vector<HotkeyValue> shownInBox;
  bool stillOpen = false;
};

constexpr int kBoxCtrl = 2, kBoxShift = 1, kBoxAlt = 4;

}  // namespace

TEST_F(HotkeysTest, StartRegistersStoredHotkeysAndShowsTheirTips) {
  Open("[hotkey]\r\nbtn120=65,5\r\nbtn12=\r\nbtn_stop=116,2,9\r\nbtn7=0,1\r\nbtn9=abc\r\n[init]\r\nwriteFile=1\r\n");
  EXPECT_EQ(Tip(L"按钮_音效120"), L"快捷键:Ctrl + Alt + A");
  EXPECT_EQ(Tip(L"按钮_音效12"), L"右键设置快捷键");
  EXPECT_EQ(Tip(L"按钮_音效7"), L"右键设置快捷键");
  EXPECT_EQ(Tip(L"按钮_音效9"), L"右键设置快捷键");
  EXPECT_EQ(Tip(L"按钮_停止播放"), L"快捷键:Shift + t");
  EXPECT_TRUE(Tag(L"按钮_音效120").ends_with(L",65,5"));
  EXPECT_TRUE(Tag(L"按钮_停止播放").ends_with(L",116,2,9"));  // the stored texts as they stand
  EXPECT_EQ(Tag(L"按钮_音效12"), L"");
  EXPECT_EQ(runtime.hotkeys.size(), 2u);
}

TEST_F(HotkeysTest, StoredHotkeyThatCannotRegisterLeavesNoTagOrTip) {
  runtime.busyHotkeys.insert({5, 65});
  Open("[hotkey]\r\nbtn5=65,5\r\n[init]\r\nwriteFile=1\r\n");
  EXPECT_EQ(Tag(L"按钮_音效5"), L"");
  EXPECT_EQ(Tip(L"按钮_音效5"), L"");
  EXPECT_NE(SettingsBytes().find("btn5=65,5"), std::string::npos);
}

TEST_F(HotkeysTest, OkRegistersStoresAndShowsTheCombination) {
  Open();
  SetHotkey(L"按钮_音效5", {'A', kBoxCtrl | kBoxAlt});
  EXPECT_EQ(titles, std::vector<std::wstring>{L"修改快捷键:孙悟空出场"});
  EXPECT_FALSE(stillOpen);
  EXPECT_EQ(Tip(L"按钮_音效5"), L"快捷键:Ctrl + Alt + A");
  EXPECT_EQ(Tag(L"按钮_音效5"), L"33001,65,5");
  EXPECT_EQ(runtime.hotkeys.at(33001), (std::pair<int, int>{5, 65}));
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n[hotkey]\r\nbtn5=65,5\r\n");

  // Reopened, the box shows the combination; a new one replaces the old registration.
  SetHotkey(L"按钮_音效5", {112, kBoxShift});
  EXPECT_EQ(shownInBox[1].key, 65);
  EXPECT_EQ(shownInBox[1].flags, kBoxCtrl | kBoxAlt);
  EXPECT_EQ(Tip(L"按钮_音效5"), L"快捷键:Shift + p");
  EXPECT_FALSE(runtime.hotkeys.contains(33001));
  EXPECT_EQ(Tag(L"按钮_音效5"), L"33002,112,2");
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n[hotkey]\r\nbtn5=112,2\r\n");
}

TEST_F(HotkeysTest, TakenCombinationKeepsTheWindowOpenAndChangesNothing) {
  Open();
  SetHotkey(L"按钮_音效5", {'A', kBoxCtrl | kBoxAlt});
  const std::string before = SettingsBytes();
  SetHotkey(L"按钮_音效100", {'A', kBoxCtrl | kBoxAlt}, {L"按钮1"});
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(runtime.messageBoxes.size(), 1u);
  EXPECT_EQ(runtime.messageBoxes[0].text, L"注册快捷键失败！");
  EXPECT_EQ(runtime.messageBoxes[0].title, L"错误");
  EXPECT_EQ(runtime.messageBoxes[0].flags, 16u);
  EXPECT_EQ(Tag(L"按钮_音效100"), L"");
  EXPECT_EQ(SettingsBytes(), before);
}

TEST_F(HotkeysTest, EmptiedBoxRemovesTheHotkeyAndCancelChangesNothing) {
  Open();
  SetHotkey(L"按钮_音效120", {'B', kBoxCtrl});
  EXPECT_EQ(titles[0], L"修改快捷键:小丸子笑");
  SetHotkey(L"按钮_音效120", {0, 0}, {L"按钮2"});  // Cancel
  EXPECT_EQ(Tag(L"按钮_音效120"), L"33001,66,1");
  EXPECT_EQ(runtime.hotkeys.size(), 1u);
  SetHotkey(L"按钮_音效120", {0, 0});  // emptied, OK
  EXPECT_EQ(Tag(L"按钮_音效120"), L"");
  EXPECT_EQ(Tip(L"按钮_音效120"), L"右键设置快捷键");
  EXPECT_TRUE(runtime.hotkeys.empty());
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n[hotkey]\r\n");
}

TEST_F(HotkeysTest, FeedbackPlaysThePresetOrStops) {
  Open("[hotkey]\r\nbtn120=65,5\r\nbtn_stop=83,1\r\n[init]\r\nwriteFile=1\r\n");
  const int presetId = hotkey::TagId(Tag(L"按钮_音效120"));
  const int stopId = hotkey::TagId(Tag(L"按钮_停止播放"));
  player.calls.clear();
  runtime.Raise(Named(L"标签_热键"), EventKind::Feedback, presetId);
  ASSERT_EQ(player.calls.size(), 4u);
  EXPECT_EQ(player.calls[1], L"CreateStream(" + dir.Wide() + L"\\data\\music\\小丸子笑.mp3)");
  runtime.Raise(Named(L"标签_热键"), EventKind::Feedback, stopId);
  EXPECT_EQ(player.calls.back(), L"Stop(100)");
  const auto count = player.calls.size();
  runtime.Raise(Named(L"标签_热键"), EventKind::Feedback, 40000);  // nobody's
  EXPECT_EQ(player.calls.size(), count);
}

TEST_F(HotkeysTest, StopButtonGetsItsOwnKey) {
  Open();
  SetHotkey(L"按钮_停止播放", {'S', kBoxCtrl});
  EXPECT_EQ(titles[0], L"修改快捷键:停止播放");
  EXPECT_EQ(SettingsBytes(), "[init]\r\nwriteFile=1\r\n[hotkey]\r\nbtn_stop=83,1\r\n");
}
