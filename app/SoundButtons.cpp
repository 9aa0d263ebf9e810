#include <algorithm>

#include "Board.h"
#include "MainLayout.h"
#include "Text.h"
#include "app/settings/Gbk.h"

namespace {

// The user number ends the button's name: "按钮_自定义音效_" + n.
int UserNumber(const std::wstring& name) {
  const std::wstring prefix = names::kUserPrefix;
  return text::ToInt(text::Middle(name, static_cast<int>(prefix.size()) + 1, 2));
}

// The file name after the last folder separator, at most 30 GBK bytes of it.
std::wstring SuggestedCaption(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  const int slash = text::FindLast(path, L"/");
  return gbk::CutToBytes(slash < 0 ? path : path.substr(static_cast<std::size_t>(slash)), 30);
}

}  // namespace

void Board::PlayFile(const std::wstring& path) {
  player_.FreeStream(currentChannel_);
  const std::uint32_t stream = player_.CreateStream(path);
  currentChannel_ = stream;
  const float volume = static_cast<float>(runtime_.SliderPosition(Find(names::kVolume))) / 100.0f;
  player_.SetChannelVolume(stream, volume);
  player_.Play(stream, true);
}

std::wstring Board::PresetFile(Control preset) const {
  return runDirPrefix_ + L"data\\music\\" + runtime_.Caption(preset) + L".mp3";
}

void Board::OnPresetClick() {
  const Control preset = runtime_.EventControl();
  if (runtime_.Exists(preset)) PlayFile(PresetFile(preset));
}

void Board::OnUserClick() {
  const Control button = runtime_.EventControl();
  if (!runtime_.Exists(button)) return;
  const std::wstring path = runtime_.Tag(button);
  if (!path.empty() && runtime_.FileExists(path)) PlayFile(path);
}

void Board::OnUserRightPress() {
  const Control button = runtime_.EventControl();
  if (!runtime_.Exists(button)) return;
  const int n = UserNumber(runtime_.Name(button));
  if (n == 0) return;
  const auto path = runtime_.OpenFileDialog(Find(names::kFileDialog));
  if (!path) return;
  const auto caption = runtime_.InputBox(L"请输入自定义音效名称", L"输入", SuggestedCaption(*path));
  if (!caption) return;
  WriteSetting(L"music", L"name" + std::to_wstring(n), *caption);
  WriteSetting(L"music", L"file" + std::to_wstring(n), *path);
  runtime_.SetTag(button, *path);
  runtime_.SetCaption(button, *caption);
}

void Board::WireButtons() {
  WirePresets();
  RestoreHotkey(Find(names::kStop), L"btn_stop");
  WireUserButtons();
}

void Board::WirePresets() {
  const Control first = Find(names::kFirstPreset);
  for (Control button : runtime_.FindControls(mainWindow_, names::kPresetPrefix, ControlKind::PushButton)) {
    if (!runtime_.Exists(button)) continue;
    RestoreHotkey(button, HotkeySettingsKey(button));
    if (button != first) runtime_.RedirectEvents(button, first);
  }
}

void Board::WireUserButtons() {
  const Control first = Find(names::kFirstUser);
  for (Control button : runtime_.FindControls(mainWindow_, names::kUserPrefix, ControlKind::PushButton)) {
    if (!runtime_.Exists(button)) continue;
    const std::wstring n = std::to_wstring(UserNumber(runtime_.Name(button)));
    runtime_.SetTag(button, ReadSetting(L"music", L"file" + n));
    runtime_.SetCaption(button, ReadSetting(L"music", L"name" + n, L"自定义"));
    if (button != first) runtime_.RedirectEvents(button, first);
  }
}
