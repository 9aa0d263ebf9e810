#pragma once
#include <windows.h>

#include <chrono>
#include <functional>

// A shown top-level window (a popup: without a window manager Wine waits on hiding a framed
// window) for the control windows to live in, with a solid background.
class TestParent {
 public:
  explicit TestParent(COLORREF background = RGB(255, 255, 255)) : brush_(::CreateSolidBrush(background)) {
    static const wchar_t* const kClass = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = ::DefWindowProcW;
      wc.hInstance = ::GetModuleHandleW(nullptr);
      wc.lpszClassName = L"WidgetsTestParent";
      wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
      ::RegisterClassW(&wc);
      return L"WidgetsTestParent";
    }();
    window_ = ::CreateWindowExW(0, kClass, L"widgets", WS_POPUP | WS_CLIPCHILDREN, 40, 40,
                                420, 220, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetClassLongPtrW(window_, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush_));
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
  }
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;
  ~TestParent() {
    if (::IsWindow(window_)) ::DestroyWindow(window_);
    ::DeleteObject(brush_);
  }
  HWND Get() const { return window_; }

 private:
  HBRUSH brush_;
  HWND window_ = nullptr;
};

inline int CountChildren(HWND parent) {
  int count = 0;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

// Runs the thread's messages until the condition holds or the deadline passes.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds deadline = std::chrono::milliseconds(3000)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(10);
  }
  return true;
}
