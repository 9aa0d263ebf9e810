#include "HotkeyBox.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "ControlWindows.h"

namespace {

std::wstring KeyName(int keyCode) {
  if ((keyCode >= '0' && keyCode <= '9') || (keyCode >= 'A' && keyCode <= 'Z')) {
    return std::wstring(1, static_cast<wchar_t>(keyCode));
  }
  if (keyCode >= VK_F1 && keyCode <= VK_F24) return L"F" + std::to_wstring(keyCode - VK_F1 + 1);
  UINT scanCode = ::MapVirtualKeyW(static_cast<UINT>(keyCode), MAPVK_VK_TO_VSC);
  wchar_t name[64] = {};
  if (scanCode && ::GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 64) > 0) return name;
  return L"#" + std::to_wstring(keyCode);
}

}  // namespace

std::wstring HotkeyCombinationText(HotkeyRecord hotkey) {
  if (hotkey.keyCode == 0) return {};
  std::wstring text;
  if (hotkey.modifiers & HotkeyRecord::kControl) text += L"Ctrl + ";
  if (hotkey.modifiers & HotkeyRecord::kShift) text += L"Shift + ";
  if (hotkey.modifiers & HotkeyRecord::kAlt) text += L"Alt + ";
  return text + KeyName(hotkey.keyCode);
}

HotkeyBox::HotkeyBox() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&classes);
}

bool HotkeyBox::Create(HWND parent, DWORD style, int x, int y, int width, int height,
                       DWORD exStyle) {
  if (GetHandle()) return false;
  return CreateControl(parent, exStyle, HOTKEY_CLASSW, L"", style | WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                       x, y, width, height, TakeControlId(), nullptr) != nullptr;
}

HotkeyRecord HotkeyBox::GetHotkey() const {
  HWND box = GetHandle();
  if (!box) return {};
  const auto value = static_cast<WORD>(::SendMessageW(box, HKM_GETHOTKEY, 0, 0));
  return HotkeyRecord{LOBYTE(value), HIBYTE(value)};
}

void HotkeyBox::SetHotkey(HotkeyRecord hotkey) {
  const WORD value = MAKEWORD(static_cast<BYTE>(hotkey.keyCode), static_cast<BYTE>(hotkey.modifiers));
  ::SendMessageW(GetHandle(), HKM_SETHOTKEY, value, 0);
}

LRESULT HotkeyBox::OnCommand(HWND, HWND, int code, int) {
  if (code == EN_CHANGE) {
    if (ChangeRoutine routine = change_) routine();
  }
  return 0;
}

// The system control keeps no text of its own; the box answers with the combination so
// that whoever reads the text (a test, an accessibility tool) sees what the user pressed.
LRESULT HotkeyBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETTEXTLENGTH) {
    return static_cast<LRESULT>(HotkeyCombinationText(GetHotkey()).size());
  }
  if (message == WM_GETTEXT) {
    auto* buffer = reinterpret_cast<wchar_t*>(lParam);
    const std::size_t capacity = wParam;
    if (!buffer || capacity == 0) return 0;
    const std::wstring text = HotkeyCombinationText(GetHotkey());
    const std::size_t copied = std::min(text.size(), capacity - 1);
    std::wmemcpy(buffer, text.data(), copied);
    buffer[copied] = L'\0';
    return static_cast<LRESULT>(copied);
  }
  return ColoredControl::HandleMessage(window, message, wParam, lParam);
}
