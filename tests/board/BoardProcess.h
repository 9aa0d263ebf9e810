#pragma once
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

// The real board program started in a folder of its own, as a user starts it.
class BoardProcess {
 public:
  BoardProcess(const std::wstring& folder, const std::wstring& exeName) {
    std::wstring command = L"\"" + folder + L"\\" + exeName + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);  // not the program's folder: the board must not rely on it
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, temp, &startup, &info_)) {
      CloseHandle(info_.hThread);
      window_ = WaitForWindow();
    }
  }
  ~BoardProcess() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
  }
  BoardProcess(const BoardProcess&) = delete;
  BoardProcess& operator=(const BoardProcess&) = delete;

  HWND Window() const { return window_; }
  DWORD Id() const { return info_.dwProcessId; }
  // Closes the window as the user would and waits for the program to end.
  bool CloseAndWait() {
    if (!window_) return false;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(info_.hProcess, 20000) == WAIT_OBJECT_0;
  }

 private:
  HWND WaitForWindow() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < end) {
      HWND hwnd = nullptr;
      while ((hwnd = FindWindowExW(nullptr, hwnd, nullptr, L"澜拓音频声浪台 v8.0.14"))) {
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == info_.dwProcessId && IsWindowVisible(hwnd)) return hwnd;
      }
      if (WaitForSingleObject(info_.hProcess, 50) != WAIT_TIMEOUT) return nullptr;
    }
    return nullptr;
  }

  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
};

// The child of the pages at a given place: the board's controls have no names outside it.
inline HWND ChildAt(HWND window, const wchar_t* className, int x, int y) {
  struct Search {
    const wchar_t* className;
    POINT at;
    HWND found;
  } search{className, {x, y}, nullptr};
  EnumChildWindows(
      window,
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t name[64];
        GetClassNameW(hwnd, name, 64);
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
        if (_wcsicmp(name, s->className) == 0 && r.left == s->at.x && r.top == s->at.y) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
