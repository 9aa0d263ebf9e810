#pragma once

// A key combination as the hotkey box exchanges it: the key code and the box's own modifier
// flags (kShift 1, kControl 2, kAlt 4, kExtended 8), each in the low byte of its slot.
struct HotkeyRecord {
  static constexpr int kShift = 1;
  static constexpr int kControl = 2;
  static constexpr int kAlt = 4;
  static constexpr int kExtended = 8;

  int keyCode = 0;
  int modifiers = 0;

  friend bool operator==(const HotkeyRecord&, const HotkeyRecord&) = default;
};
