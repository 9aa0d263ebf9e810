#include "Board.h"
#include "MainLayout.h"
#include "Text.h"

namespace {

// The user number ends the button's name: "按钮_自定义音效_" + n.
int UserNumber(const std::wstring& name) {
  const std::wstring prefix = names::kUserPrefix;
  return text::ToInt(text::Middle(name, static_cast<int>(prefix.size()) + 1, 2));
}

}  // namespace

void Board::WireButtons() {
  WirePresets();
  WireUserButtons();
}

void Board::WirePresets() {
  const Control first = Find(names::kFirstPreset);
  for (Control button : runtime_.FindControls(mainWindow_, names::kPresetPrefix, ControlKind::PushButton)) {
    if (runtime_.Exists(button) && button != first) runtime_.RedirectEvents(button, first);
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
