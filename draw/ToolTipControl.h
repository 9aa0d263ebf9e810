#pragma once
// One window of the system tooltip class, showing hint texts for rectangles of an owner
// window. The wrapper does not own the tooltip window: it lives until the system destroys it
// (with its thread), so copying or destroying the wrapper leaves it alone.
#include <windows.h>

#include <string_view>

class ToolTipControl {
 public:
  // Makes the tooltip window for `owner`: a rectangular tip, or a balloon. Answers the
  // window, null when it could not be made (later messages then do nothing).
  HWND Create(HWND owner, bool balloon = false);
  // Tools are rectangles of the owner, in its client coordinates; the tooltip watches the
  // owner's mouse by itself. Texts are copied by the tooltip.
  void AddTool(const RECT& rect, std::wstring_view text, UINT_PTR id);
  // The tooltip asks the owner for the text (TTN_GETDISPINFO) each time it shows.
  void AddToolCallback(const RECT& rect, UINT_PTR id);
  // Colours are COLORREF values (0x00BBGGRR).
  LRESULT SetBackColor(COLORREF color);
  LRESULT SetTextColor(COLORREF color);
  // Answers the previous maximum width.
  LRESULT SetMaxTipWidth(int width);
  void DeleteTool(UINT_PTR id);
  void SetToolRect(UINT_PTR id, const RECT& rect);
  // Changes nothing for an identifier that was never added.
  void UpdateTipText(UINT_PTR id, std::wstring_view text);
  HWND GetWindow() const { return window_; }

 private:
  void SendTool(UINT message, UINT_PTR id, const RECT& rect, const wchar_t* text);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
};
