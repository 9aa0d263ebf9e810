#include "ControlFactory.h"

#include <commctrl.h>

namespace {

struct ClassAndStyle {
  const wchar_t* className;
  DWORD style;
};

ClassAndStyle ClassFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::PushButton: return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case ControlKind::GroupBox: return {WC_BUTTONW, BS_GROUPBOX};
    case ControlKind::TabControl: return {WC_TABCONTROLW, WS_CLIPSIBLINGS | TCS_FOCUSONBUTTONDOWN};
    case ControlKind::DropDownList: return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case ControlKind::Slider: return {TRACKBAR_CLASSW, TBS_HORZ | TBS_NOTICKS | WS_TABSTOP};
    case ControlKind::PictureBox: return {WC_STATICW, SS_NOTIFY | SS_BITMAP};
    case ControlKind::HotkeyBox: return {HOTKEY_CLASSW, WS_BORDER | WS_TABSTOP};
    // Labels let the mouse through: the page tabs lie under the category label.
    case ControlKind::Label: return {WC_STATICW, SS_LEFT};
    case ControlKind::Window:
    case ControlKind::FileDialog: break;
  }
  return {WC_STATICW, 0};
}

}  // namespace

HWND CreateControlWindow(const ControlSpec& item, HWND parent, HFONT font) {
  const auto [className, style] = ClassFor(item.kind);
  const bool visible = item.kind != ControlKind::FileDialog;
  // A drop-down list's height is that of its open list, not of its closed box.
  const int height = item.kind == ControlKind::DropDownList ? item.height + 200 : item.height;
  HWND hwnd = CreateWindowExW(0, className, item.text.c_str(), style | WS_CHILD | (visible ? WS_VISIBLE : 0),
                              item.x, item.y, item.width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (hwnd && item.kind == ControlKind::Slider) SendMessageW(hwnd, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
  return hwnd;
}

DWORD WindowStyle(const WindowLayout& layout) {
  DWORD style = WS_CLIPCHILDREN;
  if (layout.captionless) {
    style |= WS_POPUP;
  } else {
    style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  }
  if (layout.minimizeBox) style |= WS_MINIMIZEBOX;
  return style;
}

DWORD WindowExStyle(const WindowLayout& layout) {
  DWORD style = layout.toolWindow ? WS_EX_TOOLWINDOW : WS_EX_APPWINDOW;
  if (layout.topmost) style |= WS_EX_TOPMOST;
  return style;
}
