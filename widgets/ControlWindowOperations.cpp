// ControlWindow's operations on its window: queries, placement, styles, text, shape, class.
// On an object without a window each acts on a null handle and fails or returns 0.
#include "ControlWindow.h"
#include "WindowRegion.h"

std::wstring ControlWindow::GetClassName() const {
  wchar_t name[256] = {};
  int length = ::GetClassNameW(window_, name, 256);
  std::wstring text(name, length > 0 ? length : 0);
  const auto first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return {};
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

int ControlWindow::GetId() const { return static_cast<int>(::GetWindowLongPtrW(window_, GWLP_ID)); }

bool ControlWindow::Exists() const { return ::IsWindow(window_) != FALSE; }

void ControlWindow::Close() {
  if (window_) ::SendMessageW(window_, WM_CLOSE, 0, 0);
}

void ControlWindow::Focus() { ::SetFocus(window_); }

bool ControlWindow::HasFocus() const { return window_ && ::GetFocus() == window_; }

RECT ControlWindow::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(window_, &rect);
  return rect;
}

RECT ControlWindow::GetBounds() const {
  RECT rect{};
  if (!::GetWindowRect(window_, &rect)) return RECT{};
  if (HWND parent = ::GetAncestor(window_, GA_PARENT); parent && parent != ::GetDesktopWindow()) {
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

void ControlWindow::SuspendRedraw() { ::SendMessageW(window_, WM_SETREDRAW, FALSE, 0); }

void ControlWindow::ResumeRedraw() { ::SendMessageW(window_, WM_SETREDRAW, TRUE, 0); }

void ControlWindow::Invalidate(bool erase) { ::InvalidateRect(window_, nullptr, erase); }

void ControlWindow::InvalidateRect(const RECT& rect) { ::InvalidateRect(window_, &rect, TRUE); }

void ControlWindow::Validate() { ::ValidateRect(window_, nullptr); }

void ControlWindow::Update() { ::UpdateWindow(window_); }

void ControlWindow::Move(std::optional<int> x, std::optional<int> y, std::optional<int> width,
                         std::optional<int> height, bool repaint) {
  const RECT bounds = GetBounds();
  ::MoveWindow(window_, x.value_or(bounds.left), y.value_or(bounds.top),
               width.value_or(bounds.right - bounds.left),
               height.value_or(bounds.bottom - bounds.top), repaint);
}

int ControlWindow::Left(std::optional<int> value, bool repaint) {
  if (value) Move(value, std::nullopt, std::nullopt, std::nullopt, repaint);
  return GetBounds().left;
}

int ControlWindow::Top(std::optional<int> value, bool repaint) {
  if (value) Move(std::nullopt, value, std::nullopt, std::nullopt, repaint);
  return GetBounds().top;
}

int ControlWindow::Width(std::optional<int> value, bool repaint) {
  if (value) Move(std::nullopt, std::nullopt, value, std::nullopt, repaint);
  const RECT bounds = GetBounds();
  return bounds.right - bounds.left;
}

int ControlWindow::Height(std::optional<int> value, bool repaint) {
  if (value) Move(std::nullopt, std::nullopt, std::nullopt, value, repaint);
  const RECT bounds = GetBounds();
  return bounds.bottom - bounds.top;
}

void ControlWindow::SetZOrder(int kind) {
  HWND after = HWND_TOP;
  switch (kind) {
    case 2: after = HWND_BOTTOM; break;
    case 3: after = HWND_TOPMOST; break;
    case 4: after = HWND_NOTOPMOST; break;
    default: break;
  }
  ::SetWindowPos(window_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

LRESULT ControlWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(window_, message, wParam, lParam);
}

bool ControlWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Posting to a null handle would post to the thread: an empty object posts nothing.
  return window_ && ::PostMessageW(window_, message, wParam, lParam);
}

HWND ControlWindow::SetParent(HWND parent) { return window_ ? ::SetParent(window_, parent) : nullptr; }

HWND ControlWindow::GetParent() const { return ::GetParent(window_); }

bool ControlWindow::Visible(std::optional<bool> show) {
  if (show) {
    ::ShowWindow(window_, *show ? SW_SHOW : SW_HIDE);
    return *show;
  }
  return ::IsWindowVisible(window_) != FALSE;
}

bool ControlWindow::Disabled(std::optional<bool> disabled) {
  if (disabled) {
    ::EnableWindow(window_, !*disabled);
    return *disabled;
  }
  return window_ && !::IsWindowEnabled(window_);
}

DWORD ControlWindow::GetStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_STYLE));
}

DWORD ControlWindow::GetExStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrW(window_, GWL_EXSTYLE));
}

void ControlWindow::ApplyStyle(int index, DWORD style) {
  if (!window_) return;
  ::SetWindowLongPtrW(window_, index, static_cast<LONG_PTR>(style));
  ::SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void ControlWindow::AddStyle(DWORD bits) { ApplyStyle(GWL_STYLE, GetStyle() | bits); }

void ControlWindow::RemoveStyle(DWORD bits) { ApplyStyle(GWL_STYLE, GetStyle() & ~bits); }

void ControlWindow::AddExStyle(DWORD bits) { ApplyStyle(GWL_EXSTYLE, GetExStyle() | bits); }

void ControlWindow::RemoveExStyle(DWORD bits) { ApplyStyle(GWL_EXSTYLE, GetExStyle() & ~bits); }

std::wstring ControlWindow::GetText() const {
  const int length = ::GetWindowTextLengthW(window_);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window_, text.data(), length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

void ControlWindow::SetText(const std::wstring& text) { ::SetWindowTextW(window_, text.c_str()); }

int ControlWindow::ShowMessage(const std::wstring& text, UINT type, const std::wstring& title) {
  return ::MessageBoxW(window_, text.c_str(), title.c_str(), type) - 1;
}

bool ControlWindow::SetProp(const std::wstring& name, HANDLE value) {
  return ::SetPropW(window_, name.c_str(), value) != FALSE;
}

HANDLE ControlWindow::GetProp(const std::wstring& name) const { return ::GetPropW(window_, name.c_str()); }

HANDLE ControlWindow::RemoveProp(const std::wstring& name) {
  return ::RemovePropW(window_, name.c_str());
}

HCURSOR ControlWindow::Cursor(std::optional<HCURSOR> cursor) {
  if (cursor) {
    cursor_.Reset(*cursor);
    if (*cursor) ::SetCursor(*cursor);
  }
  return cursor_.Get();
}

void ControlWindow::SetFont(HFONT font) {
  font_.Reset(font);
  ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT ControlWindow::GetFont() const {
  return reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0));
}

bool ControlWindow::SetRegion(HRGN region, bool redraw) {
  OwnedRegion owned(region);
  if (!window_ || !::SetWindowRgn(window_, region, redraw)) return false;
  owned.Detach();  // the window owns it now
  return true;
}

bool ControlWindow::SetRegionFromBitmap(HBITMAP bitmap, COLORREF keyColor, bool redraw) {
  if (!window_) return false;
  HRGN region = RegionFromBitmap(bitmap, keyColor);
  return region && SetRegion(region, redraw);
}

bool ControlWindow::SetRoundRegion(int corner, bool redraw) {
  RECT bounds{};
  if (!window_ || !::GetWindowRect(window_, &bounds)) return false;
  HRGN region = ::CreateRoundRectRgn(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                     corner, corner);
  return region && SetRegion(region, redraw);
}

void ControlWindow::AcceptFiles(bool accept) {
  if (window_) ::DragAcceptFiles(window_, accept);
}

HICON ControlWindow::ClassIcon(std::optional<HICON> icon, bool big) {
  const int index = big ? GCLP_HICON : GCLP_HICONSM;
  if (!window_) return nullptr;
  if (icon) ::SetClassLongPtrW(window_, index, reinterpret_cast<LONG_PTR>(*icon));
  return reinterpret_cast<HICON>(::GetClassLongPtrW(window_, index));
}

HCURSOR ControlWindow::ClassCursor(std::optional<HCURSOR> cursor) {
  if (!window_) return nullptr;
  if (cursor) {
    auto old = reinterpret_cast<HCURSOR>(
        ::SetClassLongPtrW(window_, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(*cursor)));
    if (old && old != *cursor) ::DestroyCursor(old);
  }
  return reinterpret_cast<HCURSOR>(::GetClassLongPtrW(window_, GCLP_HCURSOR));
}
