#include "widgets/ControlWindow.h"

#include <shlobj.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "widgets/ColoredControl.h"

namespace {

HWND MakeStatic(HWND parent, int x = 10, int y = 10) {
  return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, x, y, 60, 30, parent, nullptr,
                           ::GetModuleHandleW(nullptr), nullptr);
}

TEST(ControlWindow, RoutinesGetTheMessagesOfTheWrappedWindow) {
  TestParent parent;
  ControlWindow label;
  HWND window = label.CreateNamed(parent.Get(), 0, L"STATIC", L"标签", WS_CHILD | WS_VISIBLE, 10, 10,
                                  80, 20, 77);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(label.GetId(), 77);
  EXPECT_EQ(label.GetText(), L"标签");
  EXPECT_EQ(ControlWindow::FromHandle(window), &label);

  int seenX = 0, seenY = 0, seenModifiers = -1;
  label.SetLeftDownRoutine([&](int x, int y, int modifiers) -> LRESULT {
    seenX = x;
    seenY = y;
    seenModifiers = modifiers;
    return 5;
  });
  EXPECT_EQ(::SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(-3, 9)), 5);
  EXPECT_EQ(seenX, -3);  // coordinates are signed: a captured mouse can be left of the window
  EXPECT_EQ(seenY, 9);
  EXPECT_EQ(seenModifiers, 0);

  // A routine that returns 0 lets the window's own procedure have the message too.
  int keys = 0;
  label.SetKeyDownRoutine([&](int key, int) -> LRESULT {
    keys = key;
    return 0;
  });
  label.SetText(L"before");
  ::SendMessageW(window, WM_KEYDOWN, 'K', 0);
  EXPECT_EQ(keys, 'K');
  EXPECT_EQ(::SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"after")), TRUE);
  EXPECT_EQ(label.GetText(), L"after");
}

TEST(ControlWindow, ReleaseGivesTheWindowItsProcedureBack) {
  TestParent parent;
  HWND window = MakeStatic(parent.Get());
  const LONG_PTR original = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
  {
    ControlWindow wrapper;
    ASSERT_TRUE(wrapper.AttachToWindow(window));
    EXPECT_NE(::GetWindowLongPtrW(window, GWLP_WNDPROC), original);
    EXPECT_FALSE(wrapper.AttachToWindow(MakeStatic(parent.Get(), 10, 50)));  // already holds one

    ControlWindow rival;
    EXPECT_FALSE(rival.AttachToWindow(window));  // one wrapper per window
    EXPECT_FALSE(rival.AttachToWindow(nullptr));
  }
  EXPECT_EQ(::GetWindowLongPtrW(window, GWLP_WNDPROC), original);
  EXPECT_EQ(ControlWindow::FromHandle(window), nullptr);

  // Destroying the window releases the object, which can then take another.
  ControlWindow wrapper;
  ASSERT_TRUE(wrapper.AttachToWindow(window));
  int clicks = 0;
  wrapper.SetLeftDownRoutine([&](int, int, int) -> LRESULT { return ++clicks; });
  ::DestroyWindow(window);
  EXPECT_EQ(wrapper.GetHandle(), nullptr);
  EXPECT_FALSE(wrapper.Exists());
  EXPECT_EQ(ControlWindow::FromHandle(window), nullptr);

  HWND next = MakeStatic(parent.Get());
  ASSERT_TRUE(wrapper.AttachToWindow(next));
  ::SendMessageW(next, WM_LBUTTONDOWN, 0, 0);
  EXPECT_EQ(clicks, 0);  // the routines went with the old window
}

// A window whose own procedure notes what reaches it.
struct Recorder {
  static inline int drops = 0;
  static inline int finalMessages = 0;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DROPFILES) ++drops;
    if (message == WM_NCDESTROY) ++finalMessages;
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  static HWND Make(HWND parent) {
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = Procedure;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.lpszClassName = L"WidgetsTestRecorder";
      return ::RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    return ::CreateWindowExW(0, L"WidgetsTestRecorder", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50,
                             parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  }
};

// A drop as the shell hands it over: the paths one after another, each ending in a null.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
  auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(files + 1));
  ::GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST(ControlWindow, DroppedFilesReachTheRoutineAndTheWindowItsLastMessage) {
  TestParent parent;
  HWND window = Recorder::Make(parent.Get());
  ControlWindow target;
  ASSERT_TRUE(target.AttachToWindow(window));

  // Without a routine the window handles the drop itself.
  ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({L"C:\\x.mp3"})), 0);
  EXPECT_EQ(Recorder::drops, 1);

  std::wstring dropped;
  target.SetFilesDroppedRoutine([&](const std::wstring& paths) -> LRESULT {
    dropped = paths;
    return 0;
  });
  HDROP drop = MakeDrop({L"C:\\音效\\a.mp3", L"D:\\b.wav"});
  ::SendMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  EXPECT_EQ(dropped, L"C:\\音效\\a.mp3\r\nD:\\b.wav");
  EXPECT_EQ(Recorder::drops, 1);  // the drop was finished: its handle is not passed on

  // The release on the window's last message still lets its own procedure clean up.
  ::DestroyWindow(window);
  EXPECT_EQ(Recorder::finalMessages, 1);
  EXPECT_EQ(target.GetHandle(), nullptr);
}

TEST(ControlWindow, PlacementStylesAndState) {
  TestParent parent;
  ControlWindow a, b;
  ASSERT_TRUE(a.CreateNamed(parent.Get(), 0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, 1));
  ASSERT_TRUE(b.CreateNamed(parent.Get(), 0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, 2));

  a.Move(std::nullopt, 25);
  EXPECT_EQ(a.Left(), 10);
  EXPECT_EQ(a.Top(), 25);
  EXPECT_EQ(a.Left(50), 50);
  EXPECT_EQ(a.Width(70), 70);
  EXPECT_EQ(a.Height(), 40);
  EXPECT_EQ(a.Top(), 25);

  a.SetZOrder(2);
  EXPECT_NE(::GetWindow(parent.Get(), GW_CHILD), a.GetHandle());
  a.SetZOrder(7);  // an unknown kind brings it to the top like 1
  EXPECT_EQ(::GetWindow(parent.Get(), GW_CHILD), a.GetHandle());

  a.AddStyle(SS_CENTER);
  EXPECT_TRUE(a.GetStyle() & SS_CENTER);
  a.RemoveStyle(SS_CENTER);
  EXPECT_FALSE(a.GetStyle() & SS_CENTER);
  a.AddExStyle(WS_EX_STATICEDGE);
  EXPECT_TRUE(a.GetExStyle() & WS_EX_STATICEDGE);

  EXPECT_TRUE(a.Visible());
  a.Visible(false);
  EXPECT_FALSE(a.Visible());
  EXPECT_FALSE(a.Disabled());
  a.Disabled(true);
  EXPECT_TRUE(a.Disabled());

  EXPECT_TRUE(a.SetProp(L"Hw_test", reinterpret_cast<HANDLE>(42)));
  EXPECT_EQ(a.GetProp(L"Hw_test"), reinterpret_cast<HANDLE>(42));
  EXPECT_EQ(a.RemoveProp(L"Hw_test"), reinterpret_cast<HANDLE>(42));

  // An empty object acts on no window and fails quietly.
  ControlWindow empty;
  EXPECT_EQ(empty.GetId(), 0);
  EXPECT_EQ(empty.GetText(), L"");
  EXPECT_FALSE(empty.Visible());
  EXPECT_FALSE(empty.PostMessage(WM_NULL));
  empty.AddStyle(WS_BORDER);
  EXPECT_EQ(empty.GetStyle(), 0u);
}

TEST(ControlWindow, ShapesFromABitmapAndRoundCorners) {
  TestParent parent;
  ControlWindow shaped;
  ASSERT_TRUE(shaped.CreateNamed(parent.Get(), 0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, 4));

  // Left half in the key colour (white), right half black.
  std::vector<std::uint32_t> pixels(100, 0x000000);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 5; ++x) pixels[y * 10 + x] = 0xFFFFFF;
  }
  OwnedHandle<HBITMAP, GdiObjectFree> bitmap(::CreateBitmap(10, 10, 1, 32, pixels.data()));
  ASSERT_TRUE(shaped.SetRegionFromBitmap(bitmap.Get()));
  OwnedRegion region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(shaped.GetHandle(), region.Get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.Get(), 2, 5));
  EXPECT_TRUE(::PtInRegion(region.Get(), 7, 5));

  ASSERT_TRUE(shaped.SetRoundRegion(8));
  ASSERT_NE(::GetWindowRgn(shaped.GetHandle(), region.Get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(::PtInRegion(region.Get(), 5, 5));

  ControlWindow empty;
  EXPECT_FALSE(empty.SetRoundRegion(8));
}

COLORREF PixelOf(HWND window, int x, int y) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  WindowDc dc(window);
  return ::GetPixel(dc.Get(), x, y);
}

// The parent is wrapped too: it is what hands the control-colour requests to the label.
TEST(ColoredControl, BackgroundColourAndTransparency) {
  TestParent parent(RGB(255, 0, 0));
  ControlWindow parentWrapper;
  ASSERT_TRUE(parentWrapper.AttachToWindow(parent.Get()));
  ColoredControl label;
  ASSERT_TRUE(label.CreateNamed(parent.Get(), 0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 20, 20, 60, 30, 3));
  ::RedrawWindow(parent.Get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);

  EXPECT_NE(PixelOf(label.GetHandle(), 30, 15), RGB(255, 0, 0));  // system colouring

  EXPECT_EQ(label.BackColor(RGB(0, 0, 255)), RGB(0, 0, 255));
  EXPECT_EQ(PixelOf(label.GetHandle(), 30, 15), RGB(0, 0, 255));

  label.BackColor(ColoredControl::kTransparent);
  EXPECT_TRUE(label.GetExStyle() & WS_EX_TRANSPARENT);
  EXPECT_EQ(PixelOf(label.GetHandle(), 30, 15), RGB(255, 0, 0));

  label.BackColor(RGB(0, 255, 0));
  EXPECT_FALSE(label.GetExStyle() & WS_EX_TRANSPARENT);
  EXPECT_EQ(PixelOf(label.GetHandle(), 30, 15), RGB(0, 255, 0));

  label.ReleaseColors();
  EXPECT_EQ(label.BackColor(), 0u);
}

}  // namespace
