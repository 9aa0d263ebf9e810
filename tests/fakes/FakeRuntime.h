#pragma once
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/Runtime.h"

// A scripted runtime for the handlers' native tests: windows are tables of control records,
// events are raised by the test, dialogs answer from queues, and the settings go through the
// real settings engine into a file in a temporary run directory.
class FakeRuntime final : public Runtime {
 public:
  struct Record {
    ControlSpec layout;
    Control window;
    std::wstring caption, tag, tooltip;
    int slider = 0, selection = -1, page = 0;
    std::vector<std::pair<std::wstring, int>> items;
    bool exists = true;
  };
  struct MessageBoxCall {
    std::wstring text;
    unsigned flags;
    std::wstring title;
  };
  struct Shortcut {
    std::wstring link, target;
  };

  // runDirectory: a real folder; the program's paths inside it use backslashes.
  explicit FakeRuntime(std::wstring runDirectory, std::wstring exeName = L"LantuoSoundBoard.exe");

  // Raises an event on a control as the user would, through any redirection.
  void Raise(Control control, EventKind event, int value = 0);
  Record& At(Control control);
  Control Named(const std::wstring& name) const;
  // Turns a program path (backslashes) into a path of this machine.
  static std::wstring HostPath(const std::wstring& path);

  // What the handlers did.
  std::vector<MessageBoxCall> messageBoxes;
  std::vector<std::pair<std::wstring, std::wstring>> inputBoxes;  // prompt, title
  std::vector<Shortcut> shortcuts;
  std::wstring libraryFolder;
  std::vector<int> sleeps;
  int associationNotices = 0;
  std::map<int, std::pair<int, int>> hotkeys;  // id -> modifiers, key
  // Scripted answers; an empty queue answers Cancel.
  std::deque<std::optional<std::wstring>> inputAnswers, fileAnswers;
  std::set<std::pair<int, int>> busyHotkeys;  // modifiers, key taken by another program
  bool shortcutFails = false;
  // What the user does while a modal window is open; shown and gone when the queue is empty.
  std::deque<std::function<void(Control window)>> modalActions;
  // Clicks a named button of a window, as the user's modal action.
  std::function<void(Control)> ClickIn(const std::wstring& button);

  Control CreateWindowFrom(const WindowLayout& layout, Control owner) override;
  void Attach(Control control, EventKind event, std::function<void()> handler) override;
  Control EventControl() const override { return eventControl_; }
  int EventValue() const override { return eventValue_; }
  void RedirectEvents(Control source, Control target) override { redirects_[source] = target; }
  std::vector<Control> FindControls(Control window, const std::wstring& namePrefix, ControlKind kind) const override;
  Control FindControl(Control window, const std::wstring& name) const override;
  bool Exists(Control control) const override;
  std::wstring Name(Control control) const override;
  void ShowWindow(Control window) override { shown_.insert(window); }
  void ShowModal(Control window, Control owner) override;
  void Close(Control window) override;
  void Destroy(Control window) override;

  std::wstring Caption(Control c) const override { return Get(c).caption; }
  void SetCaption(Control c, const std::wstring& text) override { At(c).caption = text; }
  std::wstring Tag(Control c) const override { return Get(c).tag; }
  void SetTag(Control c, const std::wstring& text) override { At(c).tag = text; }
  void SetTooltip(Control c, const std::wstring& text) override { At(c).tooltip = text; }
  int SliderPosition(Control c) const override { return Get(c).slider; }
  void SetSliderPosition(Control c, int position) override;
  int ListSelection(Control c) const override { return Get(c).selection; }
  void SetListSelection(Control c, int index) override;
  int TabPage(Control c) const override { return Get(c).page; }
  void SetTabPage(Control c, int page) override { At(c).page = page; }

  void AddListItem(Control c, const std::wstring& text, int value) override { At(c).items.emplace_back(text, value); }
  int ListCount(Control c) const override { return static_cast<int>(Get(c).items.size()); }
  int ListItemValue(Control c, int index) const override;
  void SetListItemValue(Control c, int index, int value) override;
  std::wstring ListItemText(Control c, int index) const override;

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
  void UnregisterHotkey(Control, int id) override { hotkeys.erase(id); }

  bool FileExists(const std::wstring& path) const override;
  bool ShellOpen(const std::wstring& target) override;
  bool CreateShortcut(const std::wstring& link, const std::wstring& target) override;
  void NotifyAssociationsChanged() override { ++associationNotices; }
  std::wstring DesktopFolder() const override { return L"C:\\Users\\host\\Desktop\\"; }
  std::wstring RunDirectory() const override { return runDirectory_; }
  std::wstring ExecutableName() const override { return exeName_; }
  void SetLibraryFolder(const std::wstring& folder) override { libraryFolder = folder; }
  void Sleep(int milliseconds) override { sleeps.push_back(milliseconds); }

  std::vector<std::wstring> shellOpened;
  std::vector<std::wstring> initialTexts;  // of the input boxes shown
  std::vector<Control> dialogsShown;       // open-file dialog controls

 private:
  const Record& Get(Control c) const;

  std::wstring runDirectory_, exeName_;
  std::vector<Record> records_;  // control id - 1
  std::map<std::pair<Control, EventKind>, std::function<void()>> handlers_;
  std::map<Control, Control> redirects_;
  std::set<Control> shown_;
  Control eventControl_;
  int eventValue_ = 0;
  int nextHotkeyId_ = 33001;
};
