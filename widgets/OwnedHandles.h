#pragma once
#include <windows.h>

#include <utility>

// One owner per native handle: freed when replaced or when the owner goes, never copied.
template <typename Handle, typename Free>
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) : handle_(handle) {}
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Detach()) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    Reset(other.Detach());
    return *this;
  }
  ~OwnedHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  // Takes the new handle and frees the old one, unless they are the same handle.
  void Reset(Handle handle = nullptr) {
    Handle old = std::exchange(handle_, handle);
    if (old && old != handle) Free{}(old);
  }
  Handle Detach() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

struct GdiObjectFree {
  // Stock objects may pass through here: deleting one is documented to do nothing.
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct CursorFree {
  void operator()(HCURSOR cursor) const { ::DestroyCursor(cursor); }
};

using OwnedFont = OwnedHandle<HFONT, GdiObjectFree>;
using OwnedBrush = OwnedHandle<HBRUSH, GdiObjectFree>;
using OwnedRegion = OwnedHandle<HRGN, GdiObjectFree>;
using OwnedCursor = OwnedHandle<HCURSOR, CursorFree>;

// A device context borrowed from a window for the length of one scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
