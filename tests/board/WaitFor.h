#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

// Polls until the condition holds or the deadline passes; tests fail rather than hang.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// A visible top-level window of the given process with exactly this title.
inline HWND WaitForWindowTitled(DWORD process, const std::wstring& title,
                                std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND hwnd = nullptr; (hwnd = FindWindowExW(nullptr, hwnd, nullptr, title.c_str()));) {
          DWORD pid = 0;
          GetWindowThreadProcessId(hwnd, &pid);
          if (pid == process && IsWindowVisible(hwnd)) {
            found = hwnd;
            return true;
          }
        }
        return false;
      },
      deadline);
  return found;
}
