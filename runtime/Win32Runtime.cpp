#include "Win32Runtime.h"

#include <commctrl.h>

#include "ControlFactory.h"
#include "InputBox.h"
#include "Shell.h"
#include "app/settings/SettingsFile.h"

namespace {

constexpr const wchar_t* kWindowClass = L"LantuoBoardWindow";

std::wstring TextOf(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kWindowClass;
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
  RegisterClassExW(&wc);
}

HFONT CreateBoardFont() {
  return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

POINT CentredOnScreen(int width, int height) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

// Hotkey modifiers of the board (1 Ctrl, 2 Shift, 4 Alt) in RegisterHotKey's terms.
UINT SystemModifiers(int modifiers) {
  UINT mods = MOD_NOREPEAT;  // a held key must not restart the sound again and again
  if (modifiers & 1) mods |= MOD_CONTROL;
  if (modifiers & 2) mods |= MOD_SHIFT;
  if (modifiers & 4) mods |= MOD_ALT;
  return mods;
}

}  // namespace

Win32Runtime::Win32Runtime(Win32RuntimeConfig config) : config_(std::move(config)), font_(CreateBoardFont()) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&icc);
  RegisterWindowClass(&Win32Runtime::WindowProc);
  const std::wstring exe = shell::ExecutablePath();
  const auto slash = exe.find_last_of(L"\\/");
  executableName_ = exe.substr(slash + 1);
  runDirectory_ = config_.runDirectory.empty() ? exe.substr(0, slash) : config_.runDirectory;
}

Win32Runtime::~Win32Runtime() {
  tooltips_.clear();
  for (auto& [hwnd, window] : windows_) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  windows_.clear();
}

int Win32Runtime::RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

Control Win32Runtime::CreateWindowFrom(const WindowLayout& layout, Control owner) {
  const POINT at = CentredOnScreen(layout.width, layout.height);
  HWND hwnd = CreateWindowExW(WindowExStyle(layout), kWindowClass, layout.title.c_str(), WindowStyle(layout), at.x,
                              at.y, layout.width, layout.height, Hwnd(owner), nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd) return {};
  windows_.emplace(hwnd, OwnedWindow(hwnd));
  owners_[hwnd] = Hwnd(owner);
  if (!owner && !mainWindow_) mainWindow_ = hwnd;
  controls_[hwnd] = {layout.name, ControlKind::Window, hwnd, {}, {}, {}};
  CreateControls(layout, hwnd);
  return Of(hwnd);
}

void Win32Runtime::CreateControls(const WindowLayout& layout, HWND window) {
  std::unordered_map<std::wstring, HWND> byName;
  for (const ControlSpec& item : layout.controls) {
    const auto parentIt = byName.find(item.parent);
    HWND parent = item.parent.empty() || parentIt == byName.end() ? window : parentIt->second;
    HWND hwnd = CreateControlWindow(item, parent, font_.Get());
    if (!hwnd) continue;
    byName[item.name] = hwnd;
    ControlRecord record{item.name, item.kind, window, {}, item.page, {}};
    if (item.kind == ControlKind::FileDialog) record.dialog = {item.text, layout.dialogFilter, layout.dialogFolder};
    if (item.kind == ControlKind::TabControl) {
      for (std::size_t i = 0; i < layout.pages.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(layout.pages[i].title.c_str());
        SendMessageW(hwnd, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
      }
    }
    if (item.page && *item.page != 0) ::ShowWindow(hwnd, SW_HIDE);
    controls_[hwnd] = std::move(record);
    SetWindowSubclass(hwnd, &Win32Runtime::ControlProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
}

// The runtime that made a window rides in on WM_NCCREATE and is kept with the window from then on.
LRESULT CALLBACK Win32Runtime::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Runtime*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wparam, lparam);
  return self->OnWindowMessage(hwnd, message, wparam, lparam);
}

LRESULT Win32Runtime::OnWindowMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam) OnCommand(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_NOTIFY:
      OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
      return 0;
    case WM_HSCROLL:
      // Every position while dragging counts; the end of a drag repeats the last one.
      if (lparam && LOWORD(wparam) != TB_ENDTRACK) Raise(reinterpret_cast<HWND>(lparam), EventKind::PositionChanged);
      return 0;
    case WM_HOTKEY: {
      const auto label = hotkeyLabels_.find(static_cast<int>(wparam));
      if (label != hotkeyLabels_.end()) Raise(label->second, EventKind::Feedback, static_cast<int>(wparam));
      return 0;
    }
    case WM_CLOSE:
      Raise(hwnd, EventKind::Closing);
      DestroyWindow(hwnd);
      return 0;
    case WM_NCDESTROY:
      OnWindowDestroyed(hwnd);
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32Runtime::OnCommand(HWND control, WORD code) {
  const ControlRecord* record = Find(control);
  if (!record) return;
  if (record->kind == ControlKind::PushButton && code == BN_CLICKED) Raise(control, EventKind::Click);
  if (record->kind == ControlKind::DropDownList && code == CBN_SELCHANGE) Raise(control, EventKind::ItemSelected);
}

void Win32Runtime::OnNotify(const NMHDR& header) {
  const ControlRecord* record = Find(header.hwndFrom);
  if (record && record->kind == ControlKind::TabControl && header.code == TCN_SELCHANGE) {
    ShowPage(header.hwndFrom, TabPage(Of(header.hwndFrom)));
  }
}

void Win32Runtime::OnWindowDestroyed(HWND hwnd) {
  for (auto it = controls_.begin(); it != controls_.end();) {
    it = it->second.window == hwnd ? controls_.erase(it) : std::next(it);
  }
  if (auto it = windows_.find(hwnd); it != windows_.end()) {
    it->second.Release();  // being destroyed already
    windows_.erase(it);
  }
  tooltips_.erase(hwnd);
  owners_.erase(hwnd);
  if (hwnd == mainWindow_) {
    mainWindow_ = nullptr;
    PostQuitMessage(0);
  }
}

// Controls inside a container (the pages' tab control, the group box) send their notifications
// to the container; it hands them to the window, so their events reach the window's handlers.
LRESULT CALLBACK Win32Runtime::ControlProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                           DWORD_PTR selfValue) {
  auto* self = reinterpret_cast<Win32Runtime*>(selfValue);
  switch (message) {
    case WM_RBUTTONDOWN:
      self->Raise(hwnd, EventKind::RightPressed);
      break;
    case WM_RBUTTONUP:
      self->Raise(hwnd, EventKind::RightReleased);
      break;
    case WM_LBUTTONDOWN:
      self->Raise(hwnd, EventKind::LeftPressed);
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
      if (const ControlRecord* record = self->Find(hwnd);
          record && (record->kind == ControlKind::TabControl || record->kind == ControlKind::GroupBox)) {
        const LRESULT forwarded = self->OnWindowMessage(record->window, message, wparam, lparam);
        if (message != WM_NOTIFY) return forwarded;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &Win32Runtime::ControlProc, 1);
      break;
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

void Win32Runtime::Raise(HWND control, EventKind event, int value) {
  const auto redirect = redirects_.find(control);
  const HWND target = redirect == redirects_.end() ? control : redirect->second;
  const auto handler = handlers_.find({target, event});
  if (handler == handlers_.end()) return;
  // Handlers may open modal windows that raise events of their own.
  const Control outerControl = eventControl_;
  const int outerValue = eventValue_;
  eventControl_ = Of(control);
  eventValue_ = value;
  const auto run = handler->second;  // the handler may re-attach and replace itself
  run();
  eventControl_ = outerControl;
  eventValue_ = outerValue;
}

void Win32Runtime::Attach(Control control, EventKind event, std::function<void()> handler) {
  handlers_[{Hwnd(control), event}] = std::move(handler);
}

const Win32Runtime::ControlRecord* Win32Runtime::Find(HWND hwnd) const {
  const auto it = controls_.find(hwnd);
  return it == controls_.end() ? nullptr : &it->second;
}

std::vector<Control> Win32Runtime::FindControls(Control window, const std::wstring& prefix, ControlKind kind) const {
  std::vector<Control> found;
  for (const auto& [hwnd, record] : controls_) {
    if (record.window == Hwnd(window) && record.kind == kind && record.name.starts_with(prefix)) found.push_back(Of(hwnd));
  }
  return found;
}

Control Win32Runtime::FindControl(Control window, const std::wstring& name) const {
  for (const auto& [hwnd, record] : controls_) {
    if (record.window == Hwnd(window) && record.name == name && hwnd != record.window) return Of(hwnd);
  }
  return {};
}

bool Win32Runtime::Exists(Control control) const { return Find(Hwnd(control)) && IsWindow(Hwnd(control)); }

std::wstring Win32Runtime::Name(Control control) const {
  const ControlRecord* record = Find(Hwnd(control));
  return record ? record->name : L"";
}

void Win32Runtime::ShowWindow(Control window) {
  ::ShowWindow(Hwnd(window), SW_SHOWNORMAL);
  UpdateWindow(Hwnd(window));
}

void Win32Runtime::ShowModal(Control window, Control owner) {
  HWND hwnd = Hwnd(window);
  if (owner) EnableWindow(Hwnd(owner), FALSE);
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  MSG msg;
  bool quit = false;
  while (IsWindow(hwnd)) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (!IsDialogMessageW(hwnd, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (owner) {
    EnableWindow(Hwnd(owner), TRUE);
    SetActiveWindow(Hwnd(owner));
  }
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
}

void Win32Runtime::Close(Control window) { SendMessageW(Hwnd(window), WM_CLOSE, 0, 0); }

void Win32Runtime::Destroy(Control window) { DestroyWindow(Hwnd(window)); }

std::wstring Win32Runtime::Caption(Control control) const {
  const ControlRecord* record = Find(Hwnd(control));
  if (record && record->kind == ControlKind::FileDialog) return record->dialog.title;
  return TextOf(Hwnd(control));
}

void Win32Runtime::SetCaption(Control control, const std::wstring& text) {
  auto it = controls_.find(Hwnd(control));
  if (it != controls_.end() && it->second.kind == ControlKind::FileDialog) it->second.dialog.title = text;
  SetWindowTextW(Hwnd(control), text.c_str());
}

std::wstring Win32Runtime::Tag(Control control) const {
  const ControlRecord* record = Find(Hwnd(control));
  return record ? record->tag : L"";
}

void Win32Runtime::SetTag(Control control, const std::wstring& text) {
  if (auto it = controls_.find(Hwnd(control)); it != controls_.end()) it->second.tag = text;
}

HWND Win32Runtime::TooltipFor(HWND window) {
  auto& tip = tooltips_[window];
  if (!tip.Get()) {
    tip.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                              GetModuleHandleW(nullptr), nullptr));
  }
  return tip.Get();
}

void Win32Runtime::SetTooltip(Control control, const std::wstring& text) {
  const ControlRecord* record = Find(Hwnd(control));
  if (!record) return;
  HWND tip = TooltipFor(record->window);
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(Hwnd(control));
  info.uId = reinterpret_cast<UINT_PTR>(Hwnd(control));
  info.lpszText = const_cast<wchar_t*>(text.c_str());
  TTTOOLINFOW existing = info;
  existing.lpszText = nullptr;
  if (SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&existing))) {
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
}

int Win32Runtime::SliderPosition(Control slider) const {
  return static_cast<int>(SendMessageW(Hwnd(slider), TBM_GETPOS, 0, 0));
}

void Win32Runtime::SetSliderPosition(Control slider, int position) {
  SendMessageW(Hwnd(slider), TBM_SETPOS, TRUE, position);
}

int Win32Runtime::ListSelection(Control list) const {
  return static_cast<int>(SendMessageW(Hwnd(list), CB_GETCURSEL, 0, 0));
}

void Win32Runtime::SetListSelection(Control list, int index) { SendMessageW(Hwnd(list), CB_SETCURSEL, index, 0); }

int Win32Runtime::TabPage(Control tab) const { return static_cast<int>(SendMessageW(Hwnd(tab), TCM_GETCURSEL, 0, 0)); }

void Win32Runtime::SetTabPage(Control tab, int page) {
  SendMessageW(Hwnd(tab), TCM_SETCURSEL, page, 0);
  ShowPage(Hwnd(tab), TabPage(tab));
}

// A page is its buttons: showing a page shows them and hides every other page's.
void Win32Runtime::ShowPage(HWND tab, int page) {
  if (page < 0) return;
  for (const auto& [hwnd, record] : controls_) {
    if (record.page && GetParent(hwnd) == tab) ::ShowWindow(hwnd, *record.page == page ? SW_SHOWNA : SW_HIDE);
  }
}

void Win32Runtime::AddListItem(Control list, const std::wstring& text, int value) {
  const LRESULT index = SendMessageW(Hwnd(list), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  if (index >= 0) SendMessageW(Hwnd(list), CB_SETITEMDATA, index, value);
}

int Win32Runtime::ListCount(Control list) const {
  return static_cast<int>(SendMessageW(Hwnd(list), CB_GETCOUNT, 0, 0));
}

int Win32Runtime::ListItemValue(Control list, int index) const {
  const LRESULT value = SendMessageW(Hwnd(list), CB_GETITEMDATA, index, 0);
  return value == CB_ERR ? 0 : static_cast<int>(value);
}

void Win32Runtime::SetListItemValue(Control list, int index, int value) {
  SendMessageW(Hwnd(list), CB_SETITEMDATA, index, value);
}

std::wstring Win32Runtime::ListItemText(Control list, int index) const {
  const LRESULT length = SendMessageW(Hwnd(list), CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR) return L"";
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Hwnd(list), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::wstring Win32Runtime::ReadSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                       const std::wstring& fallback) {
  return settings::Read(file, section, key, fallback);
}

bool Win32Runtime::WriteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                const std::wstring& value) {
  return settings::Write(file, section, key, value);
}

bool Win32Runtime::DeleteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  return settings::Remove(file, section, key);
}

int Win32Runtime::ShowMessage(const std::wstring& text, unsigned flags, const std::wstring& title) {
  // Task-modal: every window of the board waits for the answer, unless system-modal was asked.
  const UINT modality = (flags & MB_SYSTEMMODAL) ? 0 : MB_TASKMODAL;
  return ::MessageBoxW(nullptr, text.c_str(), title.c_str(), flags | modality);
}

std::optional<std::wstring> Win32Runtime::InputBox(const std::wstring& prompt, const std::wstring& title,
                                                   const std::wstring& initial) {
  return ShowInputBox(GetActiveWindow(), prompt, title, initial);
}

std::optional<std::wstring> Win32Runtime::OpenFileDialog(Control dialog) {
  const ControlRecord* record = Find(Hwnd(dialog));
  if (!record) return std::nullopt;
  return ShowOpenFileDialog(record->window, record->dialog, runDirectory_);
}

int Win32Runtime::RegisterHotkey(Control window, Control feedbackLabel, int modifiers, int key) {
  const int id = nextHotkeyId_++;
  if (!RegisterHotKey(Hwnd(window), id, SystemModifiers(modifiers), static_cast<UINT>(key))) return 0;
  hotkeyLabels_[id] = Hwnd(feedbackLabel);
  return id;
}

void Win32Runtime::UnregisterHotkey(Control window, int id) {
  UnregisterHotKey(Hwnd(window), id);
  hotkeyLabels_.erase(id);
}

bool Win32Runtime::FileExists(const std::wstring& path) const {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Runtime::ShellOpen(const std::wstring& target) { return shell::Open(target); }

bool Win32Runtime::CreateShortcut(const std::wstring& link, const std::wstring& target) {
  return shell::CreateShortcut(link, target);
}

void Win32Runtime::NotifyAssociationsChanged() { shell::NotifyAssociationsChanged(); }

std::wstring Win32Runtime::DesktopFolder() const {
  return config_.desktopFolder.empty() ? shell::DesktopFolder() : config_.desktopFolder;
}

void Win32Runtime::SetLibraryFolder(const std::wstring& folder) {
  libraryFolder_ = folder;
  SetDllDirectoryW(folder.c_str());
}
