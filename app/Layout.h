#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Control.h"

// One control of a window layout table. Coordinates are client pixels of the parent;
// a control with a page lives on that page (0-based) of its parent tab control.
struct ControlSpec {
  std::wstring name;
  ControlKind kind = ControlKind::Label;
  std::wstring parent;  // empty: the window itself
  int x = 0, y = 0, width = 0, height = 0;
  std::wstring text;
  std::optional<int> page;
};

struct TabPageSpec {
  std::wstring title;
  std::wstring secondText;
};

// Everything needed to create a window: its frame, its pages and every control in creation order.
struct WindowLayout {
  std::wstring name;
  std::wstring title;
  int width = 0, height = 0;
  bool captionless = false;  // no caption, system menu or sizing frame (a skin draws them)
  bool minimizeBox = false;
  bool toolWindow = false;
  bool topmost = false;
  std::vector<TabPageSpec> pages;  // pages of the window's one tab control
  std::vector<ControlSpec> controls;
  // The open-file dialog's settings, when the layout has a FileDialog control.
  std::wstring dialogFilter;
  std::wstring dialogFolder;
};
