#include "ToolTipControl.h"

#include <commctrl.h>

#include <string>

HWND ToolTipControl::Create(HWND owner, bool balloon) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
  window_ = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  return window_;
}

// The tooltip copies the text during the message, so a temporary terminated copy will do. The
// record is the first-version layout every version of the control accepts.
void ToolTipControl::SendTool(UINT message, UINT_PTR id, const RECT& rect, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = id;
  tool.rect = rect;
  tool.hinst = nullptr;
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(window_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTipControl::AddTool(const RECT& rect, std::wstring_view text, UINT_PTR id) { SendTool(TTM_ADDTOOLW, id, rect, std::wstring(text).c_str()); }
void ToolTipControl::AddToolCallback(const RECT& rect, UINT_PTR id) { SendTool(TTM_ADDTOOLW, id, rect, LPSTR_TEXTCALLBACKW); }
LRESULT ToolTipControl::SetBackColor(COLORREF color) { return SendMessageW(window_, TTM_SETTIPBKCOLOR, color, 0); }
LRESULT ToolTipControl::SetTextColor(COLORREF color) { return SendMessageW(window_, TTM_SETTIPTEXTCOLOR, color, 0); }
LRESULT ToolTipControl::SetMaxTipWidth(int width) { return SendMessageW(window_, TTM_SETMAXTIPWIDTH, 0, width); }
void ToolTipControl::DeleteTool(UINT_PTR id) { SendTool(TTM_DELTOOLW, id, RECT{}, nullptr); }
void ToolTipControl::SetToolRect(UINT_PTR id, const RECT& rect) { SendTool(TTM_NEWTOOLRECTW, id, rect, nullptr); }
void ToolTipControl::UpdateTipText(UINT_PTR id, std::wstring_view text) { SendTool(TTM_UPDATETIPTEXTW, id, RECT{}, std::wstring(text).c_str()); }
