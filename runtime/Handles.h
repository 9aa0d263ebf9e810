#pragma once
#include <windows.h>
#include <objbase.h>

#include "widgets/OwnedHandles.h"

// Owning handle types of the runtime: one owner each, moved never copied. GDI handles use the
// owners the control windows share.

// A window this program created and must destroy.
class OwnedWindow {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND hwnd) : hwnd_(hwnd) {}
  OwnedWindow(OwnedWindow&& other) noexcept : hwnd_(other.Release()) {}
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;
  ~OwnedWindow() { Reset(); }

  HWND Get() const { return hwnd_; }
  HWND Release() {
    HWND h = hwnd_;
    hwnd_ = nullptr;
    return h;
  }
  void Reset(HWND hwnd = nullptr) {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = hwnd;
  }

 private:
  HWND hwnd_ = nullptr;
};

// COM for the shell link on this thread, for as long as the runtime lives.
class ComApartment {
 public:
  ComApartment() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (ok_) CoUninitialize();
  }

 private:
  bool ok_;
};

// A COM interface pointer released when it goes out of scope.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T** Out() { return &p_; }
  void** OutVoid() { return reinterpret_cast<void**>(&p_); }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};
