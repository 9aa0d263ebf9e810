#pragma once
#include "app/HotkeyInput.h"

// The hotkey box as a test scripts it: what the user "pressed" is what GetHotkey returns.
class FakeHotkeyInput final : public HotkeyInput {
 public:
  bool Create(Control parent, int, int, int, int) override {
    parent_ = parent;
    ++created;
    return true;
  }
  HotkeyValue GetHotkey() override { return pressed; }
  void SetHotkey(HotkeyValue value) override {
    shown = value;
    pressed = value;
  }

  HotkeyValue pressed, shown;
  int created = 0;

 private:
  Control parent_;
};
