#pragma once
#include <windows.h>

#include <optional>

#include "ControlWindow.h"
#include "OwnedHandles.h"

// A control window with its own text and background colours, answered to the control-colour
// requests its parent reflects to it. A background of kTransparent shows the parent through.
class ColoredControl : public ControlWindow {
 public:
  static constexpr COLORREF kTransparent = 0xFFFFFFFF;

  ColoredControl() = default;
  ~ColoredControl() override;

  void ReleaseColors() override;
  // Each returns the colour in force, setting it first when one is given.
  COLORREF TextColor(std::optional<COLORREF> color = std::nullopt, bool repaint = true);
  COLORREF BackColor(std::optional<COLORREF> color = std::nullopt, bool repaint = true);
  // Called as the colours are released, for classes that keep more.
  virtual void OnRelease() {}

 protected:
  LRESULT OnControlColor(HWND control, HDC dc) override;

 private:
  COLORREF textColor_ = 0;
  COLORREF backColor_ = 0;
  OwnedBrush brush_;
};
