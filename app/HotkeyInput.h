#pragma once
#include "Control.h"
#include "Hotkey.h"

// The hotkey box of the set-hotkey window, made anew in the window each time it opens and
// released with it. The program's box is a system hotkey control; tests use a scripted one.
class HotkeyInput {
 public:
  virtual ~HotkeyInput() = default;
  virtual bool Create(Control parent, int x, int y, int width, int height) = 0;
  virtual HotkeyValue GetHotkey() = 0;
  virtual void SetHotkey(HotkeyValue value) = 0;
};
