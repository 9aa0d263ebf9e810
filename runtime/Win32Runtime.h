#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "FileDialog.h"
#include "Handles.h"
#include "app/Runtime.h"

struct Win32RuntimeConfig {
  std::wstring runDirectory;   // empty: the executable's folder
  std::wstring desktopFolder;  // empty: the user's desktop folder
};

// The runtime the program runs on: windows built from layout tables, events raised from Win32
// messages (through redirections), control properties, dialogs, hotkeys and the shell.
// It owns every window it created; one runtime per GUI thread.
class Win32Runtime final : public Runtime {
 public:
  explicit Win32Runtime(Win32RuntimeConfig config = {});
  ~Win32Runtime() override;
  Win32Runtime(const Win32Runtime&) = delete;
  Win32Runtime& operator=(const Win32Runtime&) = delete;

  // Dispatches messages until the first window without owner has been destroyed.
  int RunMessageLoop();
  const std::wstring& LibraryFolder() const { return libraryFolder_; }
  static HWND Hwnd(Control c) { return reinterpret_cast<HWND>(c.id); }
  static Control Of(HWND hwnd) { return Control{reinterpret_cast<std::uintptr_t>(hwnd)}; }

  Control CreateWindowFrom(const WindowLayout& layout, Control owner = {}) override;
  void Attach(Control control, EventKind event, std::function<void()> handler) override;
  Control EventControl() const override { return eventControl_; }
  int EventValue() const override { return eventValue_; }
  void RedirectEvents(Control source, Control target) override { redirects_[Hwnd(source)] = Hwnd(target); }
  std::vector<Control> FindControls(Control window, const std::wstring& namePrefix, ControlKind kind) const override;
  Control FindControl(Control window, const std::wstring& name) const override;
  bool Exists(Control control) const override;
  std::wstring Name(Control control) const override;
  void ShowWindow(Control window) override;
  void ShowModal(Control window, Control owner) override;
  void Close(Control window) override;
  void Destroy(Control window) override;

  std::wstring Caption(Control control) const override;
  void SetCaption(Control control, const std::wstring& text) override;
  std::wstring Tag(Control control) const override;
  void SetTag(Control control, const std::wstring& text) override;
  void SetTooltip(Control control, const std::wstring& text) override;
  int SliderPosition(Control slider) const override;
  void SetSliderPosition(Control slider, int position) override;
  int ListSelection(Control list) const override;
  void SetListSelection(Control list, int index) override;
  int TabPage(Control tab) const override;
  void SetTabPage(Control tab, int page) override;

  void AddListItem(Control list, const std::wstring& text, int value) override;
  int ListCount(Control list) const override;
  int ListItemValue(Control list, int index) const override;
  void SetListItemValue(Control list, int index, int value) override;
  std::wstring ListItemText(Control list, int index) const override;

  std::wstring ReadSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                           const std::wstring& fallback) override;
  bool WriteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                    const std::wstring& value) override;
  bool DeleteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key) override;

  int ShowMessage(const std::wstring& text, unsigned flags, const std::wstring& title) override;
  std::optional<std::wstring> InputBox(const std::wstring& prompt, const std::wstring& title,
                                       const std::wstring& initial) override;
  std::optional<std::wstring> OpenFileDialog(Control dialog) override;

  int RegisterHotkey(Control window, Control feedbackLabel, int modifiers, int key) override;
  void UnregisterHotkey(Control window, int id) override;

  bool FileExists(const std::wstring& path) const override;
  bool ShellOpen(const std::wstring& target) override;
  bool CreateShortcut(const std::wstring& link, const std::wstring& target) override;
  void NotifyAssociationsChanged() override;
  std::wstring DesktopFolder() const override;
  std::wstring RunDirectory() const override { return runDirectory_; }
  std::wstring ExecutableName() const override { return executableName_; }
  void SetLibraryFolder(const std::wstring& folder) override;
  void Sleep(int milliseconds) override { ::Sleep(static_cast<DWORD>(milliseconds)); }

 private:
  struct ControlRecord {
    std::wstring name;
    ControlKind kind;
    HWND window;  // the top-level window the control belongs to
    std::wstring tag;
    std::optional<int> page;
    FileDialogSettings dialog;
  };

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR self);
  LRESULT OnWindowMessage(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(HWND control, WORD code);
  void OnNotify(const NMHDR& header);
  void OnWindowDestroyed(HWND hwnd);

  void CreateControls(const WindowLayout& layout, HWND window);
  void Raise(HWND control, EventKind event, int value = 0);
  void ShowPage(HWND tab, int page);
  HWND TooltipFor(HWND window);
  const ControlRecord* Find(HWND hwnd) const;

  ComApartment com_;
  Win32RuntimeConfig config_;
  std::wstring runDirectory_, executableName_, libraryFolder_;
  OwnedFont font_;
  std::unordered_map<HWND, ControlRecord> controls_;
  std::unordered_map<HWND, OwnedWindow> windows_;  // top-level windows this runtime made
  std::unordered_map<HWND, HWND> owners_;
  std::unordered_map<HWND, OwnedWindow> tooltips_;  // per top-level window
  std::map<std::pair<HWND, EventKind>, std::function<void()>> handlers_;
  std::unordered_map<HWND, HWND> redirects_;
  std::unordered_map<int, HWND> hotkeyLabels_;
  HWND mainWindow_ = nullptr;
  Control eventControl_;
  int eventValue_ = 0;
  int nextHotkeyId_ = 33001;
};
