#include "InputBox.h"

#include <vector>

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

// An in-memory dialog template: built, not loaded from resources, so the dialog has no .rc.
class DialogTemplate {
 public:
  DialogTemplate(const std::wstring& title, short width, short height) {
    Align(4);
    DLGTEMPLATE head{};
    head.style = DS_MODALFRAME | DS_CENTER | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    head.cx = width;
    head.cy = height;
    Append(&head, sizeof head);
    Word(0);  // no menu
    Word(0);  // default class
    Text(title);
    Word(9);
    Text(L"宋体");
  }

  void Add(WORD id, WORD atom, DWORD style, short x, short y, short cx, short cy, const std::wstring& text) {
    Align(4);
    DLGITEMTEMPLATE item{};
    item.style = style | WS_CHILD | WS_VISIBLE;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.id = id;
    Append(&item, sizeof item);
    Word(0xFFFF);
    Word(atom);
    Text(text);
    Word(0);  // no creation data
    ++reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit;
  }

  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }

 private:
  void Append(const void* data, std::size_t size) {
    const auto* p = static_cast<const BYTE*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Append(&w, sizeof w); }
  void Text(const std::wstring& s) { Append(s.c_str(), (s.size() + 1) * sizeof(wchar_t)); }
  void Align(std::size_t n) {
    while (bytes_.size() % n) bytes_.push_back(0);
  }

  std::vector<BYTE> bytes_;
};

struct InputState {
  const std::wstring* prompt;
  const std::wstring* initial;
  std::wstring entered;
  bool confirmed = false;
};

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

INT_PTR CALLBACK InputProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lparam);
      const auto* state = reinterpret_cast<InputState*>(lparam);
      SetDlgItemTextW(dialog, kPromptId, state->prompt->c_str());
      SetDlgItemTextW(dialog, kEditId, state->initial->c_str());
      SendDlgItemMessageW(dialog, kEditId, EM_SETSEL, 0, -1);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrW(dialog, DWLP_USER));
        state->entered = WindowText(GetDlgItem(dialog, kEditId));
        state->confirmed = true;
        EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

std::optional<std::wstring> ShowInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                                         const std::wstring& initial) {
  constexpr WORD kStatic = 0x0082, kEdit = 0x0081, kButton = 0x0080;
  DialogTemplate dialog(title, 220, 78);
  dialog.Add(kPromptId, kStatic, SS_LEFT, 8, 8, 204, 20, L"");
  dialog.Add(kEditId, kEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 32, 204, 13, L"");
  dialog.Add(IDOK, kButton, WS_TABSTOP | BS_DEFPUSHBUTTON, 106, 56, 50, 14, L"确定");
  dialog.Add(IDCANCEL, kButton, WS_TABSTOP | BS_PUSHBUTTON, 162, 56, 50, 14, L"取消");
  InputState state{&prompt, &initial, {}, false};
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.Get(), owner, InputProc, reinterpret_cast<LPARAM>(&state));
  // Only the OK button confirms: a dialog ended by the program quitting reports IDOK too.
  if (!state.confirmed) return std::nullopt;
  return state.entered;
}
