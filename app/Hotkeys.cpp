#include "Board.h"
#include "Hotkey.h"
#include "MainLayout.h"
#include "Text.h"

namespace {
constexpr const wchar_t* kNoHotkeyTip = L"右键设置快捷键";
constexpr const wchar_t* kHotkeyTipPrefix = L"快捷键:";
}  // namespace

// "btn" + the whole preset number, so preset 123's key never equals preset 12's; "btn_stop".
std::wstring Board::HotkeySettingsKey(Control button) const {
  const std::wstring name = runtime_.Name(button);
  if (name == names::kStop) return L"btn_stop";
  const std::wstring prefix = names::kPresetPrefix;
  return L"btn" + std::to_wstring(text::ToInt(name.substr(std::min(prefix.size(), name.size()))));
}

// A stored hotkey that cannot be registered leaves the button without tag and tooltip; the
// settings key stays for the next start.
void Board::RestoreHotkey(Control button, const std::wstring& settingsKey) {
  if (!button) return;
  auto parts = text::Split(ReadSetting(L"hotkey", settingsKey), L",", 2);
  parts.resize(2);
  const int key = text::ToInt(parts[0]), modifiers = text::ToInt(parts[1]);
  if (key == 0) {
    runtime_.SetTooltip(button, kNoHotkeyTip);
    return;
  }
  const int id = runtime_.RegisterHotkey(mainWindow_, Find(names::kHotkeyLabel), modifiers, key);
  if (id == 0) return;
  runtime_.SetTag(button, hotkey::Tag(id, parts[0], parts[1]));
  runtime_.SetTooltip(button, kHotkeyTipPrefix + hotkey::Text(key, modifiers));
}

void Board::OnPresetRightRelease() {
  const Control preset = runtime_.EventControl();
  if (runtime_.Exists(preset)) OpenHotkeyWindow(preset);
}

void Board::OnStopRightRelease() { OpenHotkeyWindow(Find(names::kStop)); }

int Board::OpenHotkeyWindow(Control button) {
  hotkeyTarget_ = button;
  hotkeyDialogResult_ = 0;
  hotkeyWindow_ = runtime_.CreateWindowFrom(HotkeyWindowLayout(), mainWindow_);
  runtime_.Attach(runtime_.FindControl(hotkeyWindow_, L"按钮1"), EventKind::Click, [this] { OnHotkeyOk(); });
  runtime_.Attach(runtime_.FindControl(hotkeyWindow_, L"按钮2"), EventKind::Click, [this] { OnHotkeyCancel(); });
  OnHotkeyWindowCreated();
  runtime_.ShowModal(hotkeyWindow_, mainWindow_);
  hotkeyWindow_ = {};
  return hotkeyDialogResult_;
}

void Board::OnHotkeyWindowCreated() {
  runtime_.SetCaption(hotkeyWindow_, L"修改快捷键:" + runtime_.Caption(hotkeyTarget_));
  auto parts = text::Split(runtime_.Tag(hotkeyTarget_), L",", 3);
  parts.resize(3);
  hotkeyValue_.key = text::ToInt(parts[1]) & 0xFF;
  hotkeyValue_.flags = hotkey::BoxFlagsFromModifiers(text::ToInt(parts[2]));
  hotkeyInput_.Create(hotkeyWindow_, 96, 16, 184, 22);
  hotkeyInput_.SetHotkey(hotkeyValue_);
}

void Board::OnHotkeyOk() {
  hotkeyValue_ = hotkeyInput_.GetHotkey();
  const std::wstring settingsKey = HotkeySettingsKey(hotkeyTarget_);
  const int oldId = hotkey::TagId(runtime_.Tag(hotkeyTarget_));
  if (hotkeyValue_.key == 0) {
    runtime_.DeleteSetting(SettingsFile(), L"hotkey", settingsKey);
    if (oldId != 0) runtime_.UnregisterHotkey(mainWindow_, oldId);
    runtime_.SetTag(hotkeyTarget_, L"");
    runtime_.SetTooltip(hotkeyTarget_, kNoHotkeyTip);
  } else {
    const int modifiers = hotkey::ModifiersFromBoxFlags(hotkeyValue_.flags);
    const int id = runtime_.RegisterHotkey(mainWindow_, Find(names::kHotkeyLabel), modifiers, hotkeyValue_.key);
    if (id == 0) {
      runtime_.ShowMessage(L"注册快捷键失败！", 16, L"错误");
      return;  // the window stays open for another try
    }
    if (oldId != 0) runtime_.UnregisterHotkey(mainWindow_, oldId);
    const std::wstring key = std::to_wstring(hotkeyValue_.key), mods = std::to_wstring(modifiers);
    WriteSetting(L"hotkey", settingsKey, key + L"," + mods);
    runtime_.SetTag(hotkeyTarget_, hotkey::Tag(id, key, mods));
    runtime_.SetTooltip(hotkeyTarget_, kHotkeyTipPrefix + hotkey::Text(hotkeyValue_.key, modifiers));
  }
  hotkeyDialogResult_ = 1;
  runtime_.Destroy(hotkeyWindow_);
}

void Board::OnHotkeyCancel() {
  hotkeyDialogResult_ = 0;
  runtime_.Destroy(hotkeyWindow_);
}

void Board::OnHotkeyFeedback() {
  const int id = runtime_.EventValue();
  if (id == hotkey::TagId(runtime_.Tag(Find(names::kStop)))) {
    OnStopClick();
    return;
  }
  for (Control preset : runtime_.FindControls(mainWindow_, names::kPresetPrefix, ControlKind::PushButton)) {
    if (runtime_.Exists(preset) && hotkey::TagId(runtime_.Tag(preset)) == id) {
      PlayFile(PresetFile(preset));
      return;
    }
  }
}
