#pragma once
#include <compare>
#include <cstdint>
#include <functional>

// A control or window as the handlers see it: an opaque reference the runtime hands out.
// 0 is "no control". The Win32 runtime uses the window handle's value; the test runtime an index.
struct Control {
  std::uintptr_t id = 0;

  explicit operator bool() const { return id != 0; }
  friend auto operator<=>(Control, Control) = default;
};

template <>
struct std::hash<Control> {
  std::size_t operator()(Control c) const noexcept { return std::hash<std::uintptr_t>{}(c.id); }
};

// The kinds of control a window layout can hold; also the "kind" of a control search.
enum class ControlKind {
  Window,
  Label,
  PushButton,
  TabControl,
  DropDownList,
  Slider,
  GroupBox,
  PictureBox,
  HotkeyBox,
  FileDialog,  // not a window: holds the open-file dialog's title, filter and folder
};

// Events the handlers attach to. What raises each is the runtime's business.
enum class EventKind {
  Closing,        // window: the user asked to close it
  Click,
  RightPressed,
  RightReleased,
  LeftPressed,
  PositionChanged,  // slider
  ItemSelected,     // drop-down list: by the user only
  Feedback,         // label: a global hotkey was pressed; the event value is its id
};
