#include "HotkeyBoxInput.h"

#include "Win32Runtime.h"

namespace {
// A visible tab-stop child with a sunken edge, as the set-hotkey window has always made it.
constexpr DWORD kBoxStyle = 0x10800800;
constexpr DWORD kBoxExStyle = 0x200;
}  // namespace

bool HotkeyBoxInput::Create(Control parent, int x, int y, int width, int height) {
  return box_.Create(Win32Runtime::Hwnd(parent), kBoxStyle, x, y, width, height, kBoxExStyle);
}

HotkeyValue HotkeyBoxInput::GetHotkey() {
  const HotkeyRecord record = box_.GetHotkey();
  return {record.keyCode, record.modifiers};
}

void HotkeyBoxInput::SetHotkey(HotkeyValue value) { box_.SetHotkey({value.key, value.flags}); }
