// ControlWindow's life cycle and the message dispatch of the shared window procedure.
#include "ControlWindow.h"

#include <windowsx.h>

#include <cstdint>

#include "ControlWindows.h"
#include "IntHashTable.h"

namespace {

IntHashTable::Key KeyOf(HWND window) {
  // Window handles have 32 significant bits on 64-bit Windows, so the low half is the handle.
  return static_cast<IntHashTable::Key>(reinterpret_cast<std::intptr_t>(window));
}

int ModifierState() {
  int state = 0;
  if (::GetKeyState(VK_CONTROL) < 0) state |= 1;
  if (::GetKeyState(VK_SHIFT) < 0) state |= 2;
  if (::GetKeyState(VK_MENU) < 0) state |= 4;
  return state;
}

std::optional<LRESULT> Ended(LRESULT result) {
  if (result) return result;
  return std::nullopt;
}

// Routines run from a copy: a routine may destroy the window, and the release that follows
// clears the routine fields while the routine is still running.
template <typename Routine, typename... Args>
std::optional<LRESULT> Run(Routine routine, Args... args) {
  if (!routine) return std::nullopt;
  return Ended(routine(args...));
}

}  // namespace

ControlWindow::ControlWindow() {
  // Builds the table before this object is complete, so the table is torn down after it.
  WindowObjectTable();
}

ControlWindow::~ControlWindow() { ReleaseSelf(); }

ControlWindow* ControlWindow::FromHandle(HWND window) {
  if (!window) return nullptr;
  return reinterpret_cast<ControlWindow*>(WindowObjectTable().Get(KeyOf(window)));
}

bool ControlWindow::Adopt(HWND window) {
  IntHashTable& table = WindowObjectTable();
  if (!table.Add(KeyOf(window), reinterpret_cast<IntHashTable::Value>(this))) return false;
  ::SetLastError(0);
  LONG_PTR previous =
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SharedProcedure));
  if (!previous && ::GetLastError() != 0) {
    table.Remove(KeyOf(window));
    return false;
  }
  window_ = window;
  previous_ = reinterpret_cast<WNDPROC>(previous);
  return true;
}

void ControlWindow::Release(HWND window) {
  if (!window || window != window_) return;
  ReleaseColors();
  if (previous_ && ::IsWindow(window)) {
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  }
  // Unregistered at once: a later window may get the same handle value.
  if (FromHandle(window) == this) WindowObjectTable().Remove(KeyOf(window));
  window_ = nullptr;
  previous_ = nullptr;
  cursor_.Reset();
  font_.Reset();
  hover_ = false;
  routines_ = Routines{};
}

HWND ControlWindow::CreateControl(HWND parent, DWORD exStyle, const wchar_t* className,
                                  const std::wstring& text, DWORD style, int x, int y, int width,
                                  int height, int id, void* creationParam) {
  if (window_) return nullptr;
  HWND window = ::CreateWindowExW(exStyle, className, text.c_str(), style | WS_CLIPSIBLINGS, x, y,
                                  width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ControlModuleInstance(), creationParam);
  if (!window) return nullptr;
  if (!Adopt(window)) {
    ::DestroyWindow(window);
    return nullptr;
  }
  ::SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  return window;
}

HWND ControlWindow::CreateNamed(HWND parent, DWORD exStyle, const wchar_t* className,
                                const std::wstring& text, DWORD style, int x, int y, int width,
                                int height, int id) {
  return CreateControl(parent, exStyle, className, text, style, x, y, width, height, id, nullptr);
}

bool ControlWindow::AttachToDialogItem(HWND dialog, int itemId, bool setDefaultFont) {
  if (window_) return false;
  HWND item = ::GetDlgItem(dialog, itemId);
  if (!item || !AttachToWindow(item)) return false;
  if (setDefaultFont) {
    ::SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   TRUE);
  }
  return true;
}

bool ControlWindow::AttachToWindow(HWND window) {
  if (window_ || !::IsWindow(window) || FromHandle(window)) return false;
  // The wrappers are not locked: they serve windows of the thread that uses them.
  if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) return false;
  return Adopt(window);
}

LRESULT CALLBACK ControlWindow::SharedProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
  if (ControlWindow* object = FromHandle(window)) {
    return object->HandleMessage(window, message, wParam, lParam);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ControlWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    WNDPROC previous = previous_;
    Release(window);
    // The window's own procedure still frees what it keeps for the window.
    if (previous) ::CallWindowProcW(previous, window, message, wParam, lParam);
    return 0;
  }
  if (std::optional<LRESULT> result = Dispatch(window, message, wParam, lParam)) return *result;
  return CallPrevious(window, message, wParam, lParam);
}

LRESULT ControlWindow::CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (previous_) return ::CallWindowProcW(previous_, window, message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ControlWindow::CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ControlWindow::CallMdiDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefMDIChildProcW(window, message, wParam, lParam);
}

std::optional<LRESULT> ControlWindow::Dispatch(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_SETFOCUS:
      return Run(routines_.focusGained);
    case WM_KILLFOCUS:
      return Run(routines_.focusLost);
    case WM_PAINT:
      return Paint(window);
    case WM_ERASEBKGND:
      return Ended(OnEraseBackground(reinterpret_cast<HDC>(wParam)));
    case WM_SETCURSOR:
      return Ended(OnSetCursor(window, wParam, lParam));
    case WM_KEYDOWN:
      if (auto result = Ended(OnKeyDown(static_cast<int>(wParam)))) return result;
      return Run(routines_.keyDown, static_cast<int>(wParam), ModifierState());
    case WM_KEYUP:
      return Run(routines_.keyUp, static_cast<int>(wParam), ModifierState());
    case WM_CHAR:
      return Run(routines_.character, static_cast<int>(wParam));
    case WM_MOUSEMOVE:
      if (OnMouseMove(x, y)) return LRESULT{0};
      return Run(routines_.mouseMove, x, y, ModifierState());
    case WM_MOUSELEAVE:
      return Ended(OnMouseLeave());
    case WM_LBUTTONDOWN:
      if (auto result = Ended(OnLeftDown(x, y))) return result;
      return Run(routines_.leftDown, x, y, ModifierState());
    case WM_LBUTTONUP:
      if (auto result = Ended(OnLeftUp(x, y))) return result;
      return Run(routines_.leftUp, x, y, ModifierState());
    case WM_LBUTTONDBLCLK:
      if (auto result = Ended(OnLeftDoubleClick(x, y))) return result;
      return Run(routines_.leftDoubleClick, x, y, ModifierState());
    case WM_RBUTTONDOWN:
      return Run(routines_.rightDown, x, y, ModifierState());
    case WM_RBUTTONUP:
      return Run(routines_.rightUp, x, y, ModifierState());
    case WM_MOUSEWHEEL:
      return Run(routines_.wheel, static_cast<int>(GET_WHEEL_DELTA_WPARAM(wParam)), ModifierState());
    case WM_DROPFILES:
      return DropFiles(reinterpret_cast<HDROP>(wParam));
    case WM_MOVE:
      return Ended(OnMove(x, y));
    case WM_MOVING:
      return Ended(OnMoving(reinterpret_cast<RECT*>(lParam)));
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return std::nullopt;
    default:
      return DispatchToChild(window, message, wParam, lParam);
  }
}

// Notifications a parent receives are handed to the wrapper of the child they come from.
std::optional<LRESULT> ControlWindow::DispatchToChild(HWND window, UINT message, WPARAM wParam,
                                                      LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (ControlWindow* child = FromHandle(control)) {
        return Ended(child->OnCommand(window, control, HIWORD(wParam), LOWORD(wParam)));
      }
      return std::nullopt;
    }
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (!header) return std::nullopt;
      if (ControlWindow* child = FromHandle(header->hwndFrom)) {
        return Ended(child->OnNotify(window, header->hwndFrom, static_cast<int>(header->code),
                                     static_cast<int>(header->idFrom), lParam));
      }
      return std::nullopt;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
      HWND bar = reinterpret_cast<HWND>(lParam);
      if (ControlWindow* child = FromHandle(bar)) {
        return Ended(child->OnScroll(LOWORD(wParam), HIWORD(wParam), bar));
      }
      return std::nullopt;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      // A menu item names a menu, not a window.
      if (!item || item->CtlType == ODT_MENU) return std::nullopt;
      if (ControlWindow* child = FromHandle(item->hwndItem)) {
        return Ended(child->OnDrawItem(wParam, lParam));
      }
      return std::nullopt;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (ControlWindow* child = FromHandle(control)) {
        return Ended(child->OnControlColor(control, reinterpret_cast<HDC>(wParam)));
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

std::optional<LRESULT> ControlWindow::Paint(HWND window) {
  if (PaintRoutine routine = routines_.paint) {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(window, &paint);
    const RECT& area = paint.rcPaint;
    LRESULT result = routine(dc, area.left, area.top, area.right, area.bottom);
    ::EndPaint(window, &paint);
    if (result) return result;
  }
  return Ended(OnPaint());
}

std::optional<LRESULT> ControlWindow::DropFiles(HDROP drop) {
  FilesRoutine routine = routines_.filesDropped;
  if (!routine) return std::nullopt;
  std::wstring paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(length, L'\0');
    ::DragQueryFileW(drop, i, path.data(), length + 1);
    if (i) paths += L"\r\n";
    paths += path;
  }
  ::DragFinish(drop);
  routine(paths);
  // The drop is finished and its handle freed: no procedure after this one may read it.
  return LRESULT{0};
}

LRESULT ControlWindow::OnCommand(HWND, HWND, int, int) { return 0; }

LRESULT ControlWindow::OnNotify(HWND, HWND, int, int, LPARAM) { return 0; }

LRESULT ControlWindow::OnControlColor(HWND, HDC) { return 0; }

LRESULT ControlWindow::OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  if (!cursor_ || LOWORD(lParam) != HTCLIENT || reinterpret_cast<HWND>(wParam) != window) return 0;
  ::SetCursor(cursor_.Get());
  return TRUE;
}

LRESULT ControlWindow::OnMouseMove(int, int) {
  PlainRoutine enter = routines_.mouseEnter;
  if (!enter || hover_) return 0;
  hover_ = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
  ::TrackMouseEvent(&track);
  return enter();
}

LRESULT ControlWindow::OnMouseLeave() {
  hover_ = false;
  return Run(routines_.mouseLeave).value_or(0);
}
