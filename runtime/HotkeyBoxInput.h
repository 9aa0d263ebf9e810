#pragma once
#include "app/HotkeyInput.h"
#include "widgets/HotkeyBox.h"

// The set-hotkey window's input over the program's one hotkey box: the box window is made in
// the set-hotkey window each time it opens and goes with it.
class HotkeyBoxInput final : public HotkeyInput {
 public:
  explicit HotkeyBoxInput(HotkeyBox& box) : box_(box) {}

  bool Create(Control parent, int x, int y, int width, int height) override;
  HotkeyValue GetHotkey() override;
  void SetHotkey(HotkeyValue value) override;

 private:
  HotkeyBox& box_;
};
