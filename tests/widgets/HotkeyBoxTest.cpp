#include "widgets/HotkeyBox.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "TestWindows.h"
#include "widgets/ControlWindows.h"
#include "widgets/IntHashTable.h"

namespace {

TEST(HotkeyBox, FirstControlAfterTheModuleStartTakes501) {
  IntHashTable spare;
  StartControlWindows(spare);
  EXPECT_EQ(spare.GetCapacity(), 997);

  TestParent parent;
  HotkeyBox first, second;
  ASSERT_TRUE(first.Create(parent.Get(), 0, 10, 10));
  ASSERT_TRUE(second.Create(parent.Get(), 0, 10, 40));
  EXPECT_EQ(first.GetId(), 501);
  EXPECT_EQ(second.GetId(), 502);
}

TEST(HotkeyBox, CreateMakesAVisibleHotkeyControlWithTheGivenPlace) {
  TestParent parent;
  HotkeyBox box;
  ASSERT_TRUE(box.Create(parent.Get(), WS_BORDER, 96, 16, 184, 22));
  HWND window = box.GetHandle();
  EXPECT_EQ(box.GetClassName(), HOTKEY_CLASSW);
  EXPECT_EQ(::GetParent(window), parent.Get());
  const DWORD style = box.GetStyle();
  for (DWORD bit : {DWORD{WS_CHILD}, DWORD{WS_VISIBLE}, DWORD{WS_TABSTOP}, DWORD{WS_CLIPSIBLINGS},
                    DWORD{WS_BORDER}}) {
    EXPECT_TRUE(style & bit) << std::hex << bit;
  }
  EXPECT_TRUE(box.GetExStyle() & WS_EX_CLIENTEDGE);
  const RECT bounds = box.GetBounds();
  EXPECT_EQ(bounds.left, 96);
  EXPECT_EQ(bounds.top, 16);
  EXPECT_EQ(bounds.right - bounds.left, 184);
  EXPECT_EQ(bounds.bottom - bounds.top, 22);
  EXPECT_EQ(box.GetFont(), ::GetStockObject(DEFAULT_GUI_FONT));
}

TEST(HotkeyBox, SetHotkeyShowsTheCombinationAndGetHotkeyReturnsIt) {
  TestParent parent;
  HotkeyBox box;
  EXPECT_EQ(box.GetHotkey(), (HotkeyRecord{0, 0}));  // no box yet
  ASSERT_TRUE(box.Create(parent.Get(), 0, 10, 10, 200, 24));
  EXPECT_EQ(box.GetHotkey(), (HotkeyRecord{0, 0}));
  EXPECT_EQ(box.GetText(), L"");

  box.SetHotkey({0x41, HotkeyRecord::kControl});
  EXPECT_EQ(box.GetText(), L"Ctrl + A");
  EXPECT_EQ(box.GetHotkey(), (HotkeyRecord{0x41, 2}));
  // The system control itself holds it, key in the low byte, flags in the next.
  EXPECT_EQ(::SendMessageW(box.GetHandle(), HKM_GETHOTKEY, 0, 0), 0x241);

  struct Case {
    HotkeyRecord hotkey;
    const wchar_t* text;
  };
  for (Case c : {Case{{'A', HotkeyRecord::kControl | HotkeyRecord::kShift | HotkeyRecord::kAlt},
                      L"Ctrl + Shift + Alt + A"},
                 Case{{VK_F1, HotkeyRecord::kShift}, L"Shift + F1"},
                 Case{{'5', HotkeyRecord::kControl | HotkeyRecord::kAlt}, L"Ctrl + Alt + 5"},
                 Case{{'Z', 0}, L"Z"},
                 Case{{0, 0}, L""}}) {
    box.SetHotkey(c.hotkey);
    EXPECT_EQ(box.GetHotkey(), c.hotkey) << c.text;
    EXPECT_EQ(box.GetText(), c.text);
  }
}

TEST(HotkeyBox, CreateTwiceKeepsTheFirstWindow) {
  TestParent parent;
  HotkeyBox box;
  ASSERT_TRUE(box.Create(parent.Get(), 0, 10, 10));
  HWND first = box.GetHandle();
  EXPECT_FALSE(box.Create(parent.Get(), 0, 10, 40));
  EXPECT_EQ(box.GetHandle(), first);
  EXPECT_EQ(CountChildren(parent.Get()), 1);
}

// The set-hotkey window makes its box anew each time it opens.
TEST(HotkeyBox, DestroyedWindowReleasesTheBoxForTheNextCreate) {
  HotkeyBox box;
  HWND old = nullptr;
  {
    TestParent parent;
    ASSERT_TRUE(box.Create(parent.Get(), 0, 10, 10));
    box.SetHotkey({'Q', HotkeyRecord::kAlt});
    old = box.GetHandle();
  }
  EXPECT_EQ(box.GetHandle(), nullptr);
  EXPECT_EQ(ControlWindow::FromHandle(old), nullptr);
  EXPECT_EQ(box.GetHotkey(), (HotkeyRecord{0, 0}));

  TestParent parent;
  ASSERT_TRUE(box.Create(parent.Get(), 0, 10, 10));
  EXPECT_EQ(ControlWindow::FromHandle(box.GetHandle()), &box);
  EXPECT_EQ(box.GetHotkey(), (HotkeyRecord{0, 0}));
}

void PressKeys(std::initializer_list<WORD> down) {
  std::vector<INPUT> inputs;
  for (WORD key : down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    inputs.push_back(input);
  }
  for (auto key = down.end(); key != down.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--key;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(*key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// What a user does in the set-hotkey window: focus the box and press the combination.
TEST(HotkeyBox, PressingCtrlAInTheFocusedBoxFillsIt) {
  TestParent parent;
  ControlWindow parentWrapper;
  ASSERT_TRUE(parentWrapper.AttachToWindow(parent.Get()));
  HotkeyBox box;
  ASSERT_TRUE(box.Create(parent.Get(), 0, 10, 10, 200, 24));
  int changes = 0;
  box.SetChangeRoutine([&] { ++changes; });
  ::SetForegroundWindow(parent.Get());
  box.Focus();
  ASSERT_TRUE(PumpUntil([&] { return box.HasFocus(); }));

  PressKeys({VK_CONTROL, 'A'});
  ASSERT_TRUE(PumpUntil([&] { return box.GetHotkey() == HotkeyRecord{'A', HotkeyRecord::kControl}; }))
      << box.GetHotkey().keyCode << " " << box.GetHotkey().modifiers;
  EXPECT_EQ(box.GetText(), L"Ctrl + A");
  EXPECT_GE(changes, 2);  // Ctrl, then A
}

}  // namespace
