#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Control.h"
#include "Layout.h"

// The services the board's handlers stand on. The program runs over the Win32 implementation;
// the handlers' tests run natively over a scripted one. Every text is UTF-16 inside the program.
class Runtime {
 public:
  virtual ~Runtime() = default;

  // Windows and events.
  virtual Control CreateWindowFrom(const WindowLayout& layout, Control owner = {}) = 0;
  virtual void Attach(Control control, EventKind event, std::function<void()> handler) = 0;
  // The control that raised the event being handled: the clicked button even when its
  // events were redirected to another one.
  virtual Control EventControl() const = 0;
  // The event's number: the hotkey id of a feedback event, else 0.
  virtual int EventValue() const = 0;
  // From now on the source's events run only the target's handlers.
  virtual void RedirectEvents(Control source, Control target) = 0;
  virtual std::vector<Control> FindControls(Control window, const std::wstring& namePrefix,
                                            ControlKind kind) const = 0;
  virtual Control FindControl(Control window, const std::wstring& name) const = 0;
  virtual bool Exists(Control control) const = 0;
  virtual std::wstring Name(Control control) const = 0;
  virtual void ShowWindow(Control window) = 0;
  // Shows the window modally over its owner; returns once it is destroyed.
  virtual void ShowModal(Control window, Control owner) = 0;
  virtual void Close(Control window) = 0;
  virtual void Destroy(Control window) = 0;

  // Control properties. Setting a selection or a position raises no event.
  virtual std::wstring Caption(Control control) const = 0;
  virtual void SetCaption(Control control, const std::wstring& text) = 0;
  virtual std::wstring Tag(Control control) const = 0;
  virtual void SetTag(Control control, const std::wstring& text) = 0;
  virtual void SetTooltip(Control control, const std::wstring& text) = 0;
  virtual int SliderPosition(Control slider) const = 0;
  virtual void SetSliderPosition(Control slider, int position) = 0;
  virtual int ListSelection(Control list) const = 0;  // 0-based, -1 none
  virtual void SetListSelection(Control list, int index) = 0;
  virtual int TabPage(Control tab) const = 0;  // 0-based
  virtual void SetTabPage(Control tab, int page) = 0;

  // List items: a text and an integer value each.
  virtual void AddListItem(Control list, const std::wstring& text, int value) = 0;
  virtual int ListCount(Control list) const = 0;
  virtual int ListItemValue(Control list, int index) const = 0;
  virtual void SetListItemValue(Control list, int index, int value) = 0;
  virtual std::wstring ListItemText(Control list, int index) const = 0;

  // Settings file. Reads return at most 10,239 GBK bytes of a value.
  virtual std::wstring ReadSetting(const std::wstring& file, const std::wstring& section,
                                   const std::wstring& key, const std::wstring& fallback = {}) = 0;
  virtual bool WriteSetting(const std::wstring& file, const std::wstring& section,
                            const std::wstring& key, const std::wstring& value) = 0;
  virtual bool DeleteSetting(const std::wstring& file, const std::wstring& section,
                             const std::wstring& key) = 0;

  // Dialogs. The message box is task-modal unless the flags ask for system-modal.
  static constexpr const wchar_t* kDefaultMessageTitle = L"信息：";
  virtual int ShowMessage(const std::wstring& text, unsigned flags,
                         const std::wstring& title = kDefaultMessageTitle) = 0;
  virtual std::optional<std::wstring> InputBox(const std::wstring& prompt, const std::wstring& title,
                                               const std::wstring& initial) = 0;
  // Uses the title, filter and folder the layout gave the dialog control; the full path on OK.
  virtual std::optional<std::wstring> OpenFileDialog(Control dialog) = 0;

  // Global hotkeys. Modifiers: 1 Ctrl, 2 Shift, 4 Alt. Ids count from 33001, one per attempt;
  // 0 on failure. A press raises the feedback event of the label with the id as event value.
  virtual int RegisterHotkey(Control window, Control feedbackLabel, int modifiers, int key) = 0;
  virtual void UnregisterHotkey(Control window, int id) = 0;

  // Shell, files and process.
  virtual bool FileExists(const std::wstring& path) const = 0;
  virtual bool ShellOpen(const std::wstring& target) = 0;
  // Appends ".lnk" when the link path holds no "." at all.
  virtual bool CreateShortcut(const std::wstring& link, const std::wstring& target) = 0;
  virtual void NotifyAssociationsChanged() = 0;
  virtual std::wstring DesktopFolder() const = 0;  // ends in a backslash
  virtual std::wstring RunDirectory() const = 0;   // no final backslash
  virtual std::wstring ExecutableName() const = 0;
  virtual void SetLibraryFolder(const std::wstring& folder) = 0;
  virtual void Sleep(int milliseconds) = 0;
};
