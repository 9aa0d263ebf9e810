#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ColoredControl.h"
#include "HotkeyRecord.h"

// The system's hotkey control ("msctls_hotkey32") in which the user presses a key
// combination. Its text reads the combination in the usual words ("Ctrl + A"), whatever the
// system draws.
class HotkeyBox : public ColoredControl {
 public:
  using ChangeRoutine = std::function<void()>;

  // Registers the hotkey control class with the common controls.
  HotkeyBox();

  // Makes the box as a visible tab-stop child of the parent with the next control identifier.
  // False when the object already holds a window or none could be made.
  bool Create(HWND parent, DWORD style, int x, int y, int width = 100, int height = 20,
              DWORD exStyle = WS_EX_CLIENTEDGE);
  // Key 0 and no modifiers when the box is empty or there is no box.
  HotkeyRecord GetHotkey() const;
  void SetHotkey(HotkeyRecord hotkey);
  // Runs whenever the box reports that its combination changed. The parent must be a
  // control window too: it is the parent that hands the report to the box.
  void SetChangeRoutine(ChangeRoutine routine) { change_ = std::move(routine); }

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  LRESULT OnCommand(HWND window, HWND control, int code, int id) override;

 private:
  ChangeRoutine change_;
};

// "Ctrl + Shift + Alt + " as the flags have them, then the key's name; empty without a key.
std::wstring HotkeyCombinationText(HotkeyRecord hotkey);
