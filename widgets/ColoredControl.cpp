#include "ColoredControl.h"

namespace {

// Has the parent paint what it shows behind the control into the control's device context.
// Copying the parent's pixels off the screen would copy the control itself, which covers them.
void PaintParentBehind(HWND control, HDC dc) {
  HWND parent = ::GetParent(control);
  if (!parent) return;
  POINT origin{0, 0};
  ::MapWindowPoints(control, parent, &origin, 1);
  POINT previous{};
  ::OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ::SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

ColoredControl::~ColoredControl() {
  // Released here, while this class's ReleaseColors is still the one a release calls.
  ReleaseSelf();
}

void ColoredControl::ReleaseColors() {
  OnRelease();
  brush_.Reset();
  textColor_ = 0;
  backColor_ = 0;
}

COLORREF ColoredControl::TextColor(std::optional<COLORREF> color, bool repaint) {
  if (color) {
    textColor_ = *color;
    if (repaint) Invalidate();
  }
  return textColor_;
}

COLORREF ColoredControl::BackColor(std::optional<COLORREF> color, bool repaint) {
  if (color) {
    backColor_ = *color;
    if (backColor_ == kTransparent) {
      AddExStyle(WS_EX_TRANSPARENT);
      brush_.Reset(static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)));
    } else {
      RemoveExStyle(WS_EX_TRANSPARENT);
      brush_.Reset(::CreateSolidBrush(backColor_));
    }
    if (repaint) Invalidate();
  }
  return backColor_;
}

LRESULT ColoredControl::OnControlColor(HWND control, HDC dc) {
  if (backColor_ == kTransparent) {
    ::SetTextColor(dc, textColor_);
    ::SetBkMode(dc, TRANSPARENT);
    PaintParentBehind(control, dc);
    return reinterpret_cast<LRESULT>(brush_.Get());
  }
  if (brush_) {
    ::SetTextColor(dc, textColor_);
    ::SetBkColor(dc, backColor_);
    return reinterpret_cast<LRESULT>(brush_.Get());
  }
  return 0;
}
