#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Answers a dialog (or any window of a class) the code under test opens on this thread: a second thread waits for the
// dialog window with the given title and acts on it. Tests fail rather than hang: the driver
// gives up after its deadline, and its destructor joins.
class DialogDriver {
 public:
  DialogDriver(std::wstring title, std::function<void(HWND)> act, const wchar_t* className = L"#32770")
      : title_(std::move(title)), act_(std::move(act)), className_(className) {
    thread_ = std::thread([this] { Run(); });
  }
  ~DialogDriver() { thread_.join(); }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  bool Found() const { return found_; }
  DWORD Style() const { return style_; }
  DWORD ExStyle() const { return exStyle_; }

  static HWND WaitFor(const std::wstring& title, const wchar_t* className = L"#32770",
                      std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < end) {
      if (HWND hwnd = FindWindowW(className, title.c_str()); hwnd && IsWindowVisible(hwnd)) return hwnd;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
  }

 private:
  void Run() {
    HWND dialog = WaitFor(title_, className_);
    if (!dialog) return;
    found_ = true;
    style_ = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
    exStyle_ = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let it finish initialising
    act_(dialog);
  }

  std::wstring title_;
  std::function<void(HWND)> act_;
  const wchar_t* className_;
  std::thread thread_;
  bool found_ = false;
  DWORD style_ = 0, exStyle_ = 0;
};

inline std::wstring WindowTextOf(HWND hwnd) {
  wchar_t buffer[1024] = {};
  GetWindowTextW(hwnd, buffer, 1024);
  return buffer;
}

// Destroying a main window posts the quit message; tests that share a process take it back so
// the next test's message loops do not end at once.
inline void DiscardQuit() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}
