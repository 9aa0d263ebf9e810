#include "FakeRuntime.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "app/settings/SettingsFile.h"
#include "app/settings/Utf.h"

FakeRuntime::FakeRuntime(std::wstring runDirectory, std::wstring exeName)
    : runDirectory_(std::move(runDirectory)), exeName_(std::move(exeName)) {}

std::wstring FakeRuntime::HostPath(const std::wstring& path) {
  std::wstring host = path;
  std::replace(host.begin(), host.end(), L'\\', L'/');
  return host;
}

Control FakeRuntime::CreateWindowFrom(const WindowLayout& layout, Control owner) {
  Record window;
  window.layout = {layout.name, ControlKind::Window, L"", 0, 0, layout.width, layout.height, layout.title, {}};
  window.window = owner;
  window.caption = layout.title;
  records_.push_back(window);
  const Control id{records_.size()};
  for (const ControlSpec& item : layout.controls) {
    Record r;
    r.layout = item;
    r.window = id;
    r.caption = item.text;
    records_.push_back(r);
  }
  return id;
}

void FakeRuntime::Attach(Control control, EventKind event, std::function<void()> handler) {
  handlers_[{control, event}] = std::move(handler);
}

void FakeRuntime::Raise(Control control, EventKind event, int value) {
  const auto redirect = redirects_.find(control);
  const Control target = redirect == redirects_.end() ? control : redirect->second;
  const auto handler = handlers_.find({target, event});
  if (handler == handlers_.end()) return;
  const Control outerControl = eventControl_;
  const int outerValue = eventValue_;
  eventControl_ = control;
  eventValue_ = value;
  handler->second();
  eventControl_ = outerControl;
  eventValue_ = outerValue;
}

FakeRuntime::Record& FakeRuntime::At(Control c) {
  if (c.id == 0 || c.id > records_.size()) throw std::out_of_range("no such control");
  return records_[c.id - 1];
}

const FakeRuntime::Record& FakeRuntime::Get(Control c) const {
  return const_cast<FakeRuntime*>(this)->At(c);
}

Control FakeRuntime::Named(const std::wstring& name) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (records_[i].layout.name == name) return Control{i + 1};
  }
  return {};
}

std::vector<Control> FakeRuntime::FindControls(Control window, const std::wstring& prefix, ControlKind kind) const {
  std::vector<Control> found;
  for (std::size_t i = records_.size(); i-- > 0;) {  // any order: the handlers must not rely on one
    const Record& r = records_[i];
    if (r.exists && r.window == window && r.layout.kind == kind && r.layout.name.starts_with(prefix)) {
      found.push_back(Control{i + 1});
    }
  }
  return found;
}

Control FakeRuntime::FindControl(Control window, const std::wstring& name) const {
  for (std::size_t i = 0; i < records_.size(); ++i) {
    if (records_[i].exists && records_[i].window == window && records_[i].layout.name == name) return Control{i + 1};
  }
  return {};
}

bool FakeRuntime::Exists(Control c) const { return c.id != 0 && c.id <= records_.size() && records_[c.id - 1].exists; }

std::wstring FakeRuntime::Name(Control c) const { return Exists(c) ? Get(c).layout.name : L""; }

void FakeRuntime::ShowModal(Control window, Control) {
  shown_.insert(window);
  if (modalActions.empty()) return;
  auto action = std::move(modalActions.front());
  modalActions.pop_front();
  action(window);
}

std::function<void(Control)> FakeRuntime::ClickIn(const std::wstring& button) {
  return [this, button](Control window) {
    for (std::size_t i = 0; i < records_.size(); ++i) {
      if (records_[i].exists && records_[i].window == window && records_[i].layout.name == button) {
        Raise(Control{i + 1}, EventKind::Click);
      }
    }
  };
}

void FakeRuntime::Close(Control window) {
  Raise(window, EventKind::Closing);
  Destroy(window);
}

void FakeRuntime::Destroy(Control window) {
  for (Record& r : records_) {
    if (r.window == window) r.exists = false;
  }
  At(window).exists = false;
}

void FakeRuntime::SetSliderPosition(Control c, int position) { At(c).slider = std::clamp(position, 0, 100); }

void FakeRuntime::SetListSelection(Control c, int index) {
  Record& r = At(c);
  r.selection = index >= 0 && index < static_cast<int>(r.items.size()) ? index : -1;
}

int FakeRuntime::ListItemValue(Control c, int index) const {
  const Record& r = Get(c);
  return index >= 0 && index < static_cast<int>(r.items.size()) ? r.items[index].second : 0;
}

void FakeRuntime::SetListItemValue(Control c, int index, int value) {
  Record& r = At(c);
  if (index >= 0 && index < static_cast<int>(r.items.size())) r.items[index].second = value;
}

std::wstring FakeRuntime::ListItemText(Control c, int index) const {
  const Record& r = Get(c);
  return index >= 0 && index < static_cast<int>(r.items.size()) ? r.items[index].first : L"";
}

std::wstring FakeRuntime::ReadSetting(const std::wstring& file, const std::wstring& section,
                                      const std::wstring& key, const std::wstring& fallback) {
  return settings::Read(HostPath(file), section, key, fallback);
}

bool FakeRuntime::WriteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                               const std::wstring& value) {
  return settings::Write(HostPath(file), section, key, value);
}

bool FakeRuntime::DeleteSetting(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  return settings::Remove(HostPath(file), section, key);
}

int FakeRuntime::ShowMessage(const std::wstring& text, unsigned flags, const std::wstring& title) {
  messageBoxes.push_back({text, flags, title});
  return 1;
}

std::optional<std::wstring> FakeRuntime::InputBox(const std::wstring& prompt, const std::wstring& title,
                                                  const std::wstring& initial) {
  inputBoxes.emplace_back(prompt, title);
  initialTexts.push_back(initial);
  if (inputAnswers.empty()) return std::nullopt;
  auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}

std::optional<std::wstring> FakeRuntime::OpenFileDialog(Control dialog) {
  dialogsShown.push_back(dialog);
  if (fileAnswers.empty()) return std::nullopt;
  auto answer = fileAnswers.front();
  fileAnswers.pop_front();
  return answer;
}

int FakeRuntime::RegisterHotkey(Control, Control, int modifiers, int key) {
  const int id = nextHotkeyId_++;
  if (busyHotkeys.contains({modifiers, key})) return 0;
  for (const auto& [other, combination] : hotkeys) {
    if (combination == std::pair{modifiers, key}) return 0;
  }
  hotkeys[id] = {modifiers, key};
  return id;
}

bool FakeRuntime::FileExists(const std::wstring& path) const {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::filesystem::path(utf::ToUtf8(HostPath(path))), ignored);
}

bool FakeRuntime::ShellOpen(const std::wstring& target) {
  shellOpened.push_back(target);
  return true;
}

bool FakeRuntime::CreateShortcut(const std::wstring& link, const std::wstring& target) {
  if (shortcutFails) return false;
  shortcuts.push_back({link.find(L'.') == std::wstring::npos ? link + L".lnk" : link, target});
  return true;
}
