#pragma once
#include <windows.h>

#include <thread>

// Input as the user makes it: through the system's input queue, not as window messages.
inline void MoveMouseTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

inline void MouseButton(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// A left click (or a right one) in the middle of a window.
inline void ClickOn(HWND hwnd, bool right = false) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MoveMouseTo({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  MouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  MouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

inline void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  MouseButton(MOUSEEVENTF_LEFTUP);
}

// Presses keys together and releases them in reverse, e.g. {VK_CONTROL, VK_MENU, 'A'}.
inline void PressKeys(std::initializer_list<WORD> keys) {
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    SendInput(1, &input, sizeof input);
  }
  for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *it;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
  }
}

