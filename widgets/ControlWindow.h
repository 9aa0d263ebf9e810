#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "OwnedHandles.h"

// One object per window handle. It creates or adopts a window, subclasses it with the one
// window procedure all wrappers share, and turns the window's messages into calls of virtual
// hooks and of event routines a user of the object sets. The shared procedure finds the object
// again through WindowObjectTable(). The object is released (procedure restored, cursor and
// font freed) when its window is destroyed or when the object goes, whichever comes first; it
// can then take a new window.
//
// Event routines return nonzero to end the message with that value; 0 lets the window's
// previous procedure handle it too. Modifier state: 1 Ctrl, 2 Shift, 4 Alt.
class ControlWindow {
 public:
  using MouseRoutine = std::function<LRESULT(int x, int y, int modifiers)>;
  using KeyRoutine = std::function<LRESULT(int keyCode, int modifiers)>;
  using CharacterRoutine = std::function<LRESULT(int character)>;
  using WheelRoutine = std::function<LRESULT(int delta, int modifiers)>;
  using FilesRoutine = std::function<LRESULT(const std::wstring& pathsByLine)>;
  using PaintRoutine = std::function<LRESULT(HDC dc, int left, int top, int right, int bottom)>;
  using PlainRoutine = std::function<LRESULT()>;

  static constexpr const wchar_t* kDefaultMessageTitle = L"信息：";

  ControlWindow();
  virtual ~ControlWindow();
  // The object's address is what the window is registered under: neither copied nor moved.
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  // The wrapper that owns the window, or null.
  static ControlWindow* FromHandle(HWND window);

  // Dispatch.
  virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Default processing, for routines and hooks that want it explicitly.
  LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT CallMdiDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // Life cycle.
  virtual void ReleaseColors() {}
  // Gives the window back: restores its procedure, frees cursor and font, forgets every
  // routine. Only the object's own window is released; any other handle is ignored.
  void Release(HWND window);
  HWND CreateControl(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text,
                     DWORD style, int x, int y, int width, int height, int id, void* creationParam);
  void ReleaseSelf() { Release(window_); }
  // Adopt an existing window. Refused while the object holds a window, or when another
  // wrapper already owns that window.
  bool AttachToDialogItem(HWND dialog, int itemId, bool setDefaultFont = true);
  bool AttachToWindow(HWND window);

  // Window queries and painting.
  HWND GetHandle() const { return window_; }
  std::wstring GetClassName() const;
  int GetId() const;
  bool Exists() const;
  void Close();
  void Focus();
  bool HasFocus() const;
  RECT GetClientRect() const;
  // In the parent's client coordinates (screen coordinates for a top-level window).
  RECT GetBounds() const;
  void SuspendRedraw();
  void ResumeRedraw();
  void Invalidate(bool erase = true);
  void InvalidateRect(const RECT& rect);
  void Validate();
  void Update();

  // Placement. Omitted values keep the current ones.
  void Move(std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
            std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt,
            bool repaint = true);
  int Left(std::optional<int> value = std::nullopt, bool repaint = true);
  int Top(std::optional<int> value = std::nullopt, bool repaint = true);
  int Width(std::optional<int> value = std::nullopt, bool repaint = true);
  int Height(std::optional<int> value = std::nullopt, bool repaint = true);
  // 1 top, 2 bottom, 3 topmost, 4 not topmost; anything else counts as 1.
  void SetZOrder(int kind = 1);

  // Messages and state.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  HWND SetParent(HWND parent);
  HWND GetParent() const;
  bool Visible(std::optional<bool> show = std::nullopt);
  bool Disabled(std::optional<bool> disabled = std::nullopt);

  // Styles; every change makes the frame be recomputed.
  DWORD GetStyle() const;
  void AddStyle(DWORD bits);
  void RemoveStyle(DWORD bits);
  DWORD GetExStyle() const;
  void AddExStyle(DWORD bits);
  void RemoveExStyle(DWORD bits);

  // Text, message box, properties, cursor, font.
  std::wstring GetText() const;
  void SetText(const std::wstring& text);
  // The message box's result less one.
  int ShowMessage(const std::wstring& text, UINT type, const std::wstring& title = kDefaultMessageTitle);
  bool SetProp(const std::wstring& name, HANDLE value);
  HANDLE GetProp(const std::wstring& name) const;
  HANDLE RemoveProp(const std::wstring& name);
  // Given a cursor, the object takes it (freeing the one it had) and shows it.
  HCURSOR Cursor(std::optional<HCURSOR> cursor = std::nullopt);
  // The object takes the font and frees the one set before.
  void SetFont(HFONT font);
  HFONT GetFont() const;

  // Shape, dropped files, window class. The window owns a region once it is set.
  bool SetRegion(HRGN region, bool redraw = true);
  bool SetRegionFromBitmap(HBITMAP bitmap, COLORREF keyColor = 0xFFFFFF, bool redraw = true);
  bool SetRoundRegion(int corner, bool redraw = true);
  void AcceptFiles(bool accept);
  HICON ClassIcon(std::optional<HICON> icon = std::nullopt, bool big = false);
  HCURSOR ClassCursor(std::optional<HCURSOR> cursor = std::nullopt);

  // Setters. SetHandle only records the handle: no subclassing, no registration.
  void SetHandle(HWND window) { window_ = window; }
  void SetLeftDownRoutine(MouseRoutine r) { routines_.leftDown = std::move(r); }
  void SetLeftUpRoutine(MouseRoutine r) { routines_.leftUp = std::move(r); }
  void SetLeftDoubleClickRoutine(MouseRoutine r) { routines_.leftDoubleClick = std::move(r); }
  void SetRightDownRoutine(MouseRoutine r) { routines_.rightDown = std::move(r); }
  void SetRightUpRoutine(MouseRoutine r) { routines_.rightUp = std::move(r); }
  void SetMouseMoveRoutine(MouseRoutine r) { routines_.mouseMove = std::move(r); }
  void SetFocusGainedRoutine(PlainRoutine r) { routines_.focusGained = std::move(r); }
  void SetFocusLostRoutine(PlainRoutine r) { routines_.focusLost = std::move(r); }
  void SetKeyDownRoutine(KeyRoutine r) { routines_.keyDown = std::move(r); }
  void SetKeyUpRoutine(KeyRoutine r) { routines_.keyUp = std::move(r); }
  void SetWheelRoutine(WheelRoutine r) { routines_.wheel = std::move(r); }
  void SetCharacterRoutine(CharacterRoutine r) { routines_.character = std::move(r); }
  void SetFilesDroppedRoutine(FilesRoutine r) { routines_.filesDropped = std::move(r); }
  void SetMouseEnterRoutine(PlainRoutine r) { routines_.mouseEnter = std::move(r); }
  void SetMouseLeaveRoutine(PlainRoutine r) { routines_.mouseLeave = std::move(r); }
  void SetPaintRoutine(PaintRoutine r) { routines_.paint = std::move(r); }

  // Creation with an explicit identifier.
  HWND CreateNamed(HWND parent, DWORD exStyle, const wchar_t* className, const std::wstring& text,
                   DWORD style, int x, int y, int width, int height, int id);

 protected:
  // Hooks HandleMessage calls. A nonzero result ends the message with it; 0 passes the message
  // on to the previous procedure. The notification hooks run on the object of the child that
  // sent the notification, with the parent window that received it.
  virtual LRESULT OnCommand(HWND window, HWND control, int code, int id);
  virtual LRESULT OnNotify(HWND window, HWND source, int code, int id, LPARAM lParam);
  virtual LRESULT OnControlColor(HWND control, HDC dc);
  virtual LRESULT OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnPaint() { return 0; }
  virtual LRESULT OnEraseBackground(HDC) { return 0; }
  virtual LRESULT OnScroll(int /*request*/, int /*position*/, HWND /*scrollBar*/) { return 0; }
  virtual LRESULT OnMouseMove(int x, int y);
  virtual LRESULT OnDrawItem(WPARAM, LPARAM) { return 1; }
  virtual LRESULT OnMouseLeave();
  virtual LRESULT OnLeftDown(int /*x*/, int /*y*/) { return 0; }
  virtual LRESULT OnLeftDoubleClick(int /*x*/, int /*y*/) { return 0; }
  virtual LRESULT OnKeyDown(int /*keyCode*/) { return 0; }
  virtual LRESULT OnMoving(RECT*) { return 0; }
  virtual LRESULT OnMove(int /*x*/, int /*y*/) { return 0; }
  virtual LRESULT OnLeftUp(int /*x*/, int /*y*/) { return 0; }
  virtual void OnSize(int /*width*/, int /*height*/) {}

  LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Routines {
    MouseRoutine leftDown, leftUp, leftDoubleClick, rightDown, rightUp, mouseMove;
    PlainRoutine focusGained, focusLost;
    KeyRoutine keyDown, keyUp;
    CharacterRoutine character;
    WheelRoutine wheel;
    FilesRoutine filesDropped;
    PlainRoutine mouseEnter, mouseLeave;
    PaintRoutine paint;
  };

  static LRESULT CALLBACK SharedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Registers the window under this object and subclasses it.
  bool Adopt(HWND window);
  // The message's handling, or nothing when the previous procedure should have it.
  std::optional<LRESULT> Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> DispatchToChild(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> Paint(HWND window);
  std::optional<LRESULT> DropFiles(HDROP drop);
  void ApplyStyle(int index, DWORD style);

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
  OwnedCursor cursor_;
  Routines routines_;
  bool hover_ = false;
  OwnedFont font_;
};
