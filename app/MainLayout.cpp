#include "MainLayout.h"

#include "Catalogue.h"

namespace {

void AddFixedControls(WindowLayout& layout, const MakerLinks& links) {
  using K = ControlKind;
  auto& c = layout.controls;
  c.push_back({names::kCategoryHost, K::Label, L"", 16, 80, 456, 42, L"按钮组", {}});
  c.push_back({names::kPages, K::TabControl, L"", 16, 96, 440, 360, L"", {}});
  c.push_back({names::kStop, K::PushButton, L"", 368, 464, 88, 56, L"停止播放", {}});
  c.push_back({names::kChannelCaption, K::Label, L"", 16, 475, 80, 14, L"输出通道选择：", {}});
  c.push_back({names::kChannelList, K::DropDownList, L"", 104, 472, 248, 20, L"", {}});
  c.push_back({names::kVolumeCaption, K::Label, L"", 16, 503, 78, 16, L"输出音量大小：", {}});
  c.push_back({names::kVolume, K::Slider, L"", 104, 504, 248, 16, L"", {}});
  // Off the visible client area: it only receives the hotkeys' feedback events.
  c.push_back({names::kHotkeyLabel, K::Label, L"", 872, 24, 32, 40, L"快捷键", {}});
  c.push_back({names::kBottomBand, K::GroupBox, L"", -24, 536, 512, 96, L"", {}});
  c.push_back({L"标签2", K::Label, names::kBottomBand, 32, 12, 368, 56, L"澜拓音频调试各种声卡效果", {}});
  if (!links.shopAddress.empty()) {
    c.push_back({names::kShopButton, K::PushButton, names::kBottomBand, 408, 40, 72, 24, L"官方淘宝", {}});
  }
  if (!links.chatAccount.empty()) c.push_back({names::kChatPicture, K::PictureBox, L"", 384, 546, 74, 22, L"", {}});
  c.push_back({names::kFileDialog, K::FileDialog, L"", 0, 0, 0, 0, L"选择自定义音效", {}});
}

void AddPresets(WindowLayout& layout) {
  for (const Preset& p : Presets()) {
    layout.controls.push_back({names::kPresetPrefix + std::to_wstring(p.number), ControlKind::PushButton,
                               names::kPages, p.x, p.y, p.width, kPresetHeight, p.caption, p.page - 1});
  }
}

void AddUserButtons(WindowLayout& layout) {
  for (int n = 1; n <= kUserButtonCount; ++n) {
    const int column = (n - 1) % 5, row = (n - 1) / 5;
    layout.controls.push_back({names::kUserPrefix + std::to_wstring(n), ControlKind::PushButton,
                               names::kPages, 8 + 88 * column, 40 + 48 * row, 77, 40, L"自定义", 5});
  }
}

}  // namespace

WindowLayout MainWindowLayout(const MakerLinks& links) {
  WindowLayout layout;
  layout.name = L"MainWindow";
  layout.title = L"澜拓音频声浪台 v8.0.14";
  layout.width = 472;
  layout.height = 610;
  layout.captionless = true;
  layout.minimizeBox = true;
  layout.pages = {{L"主持人专用", L"常用音效"}, {L"MC喊麦专用", L"特殊音效"}, {L"搞笑类音效", L"搞笑音效"},
                  {L"人物类音效", L"人物音效"}, {L"生活类音效", L"生活音效"}, {L"自定义音效", L""}};
  layout.dialogFilter = L"支持的音效文件(*.mp3;*.wav;*.mid)|*.mp3;*.wav;*.mid|所有文件(*.*)|*.*";
  layout.dialogFolder = L"data/music";
  AddFixedControls(layout, links);
  AddPresets(layout);
  AddUserButtons(layout);
  return layout;
}

WindowLayout HotkeyWindowLayout() {
  WindowLayout layout;
  layout.name = L"HotkeyWindow";
  layout.title = L"设置快捷键";
  layout.width = 301;
  layout.height = 119;
  layout.toolWindow = true;
  layout.topmost = true;
  layout.controls = {
      {L"标签1", ControlKind::Label, L"", 8, 16, 80, 22, L"设置快捷键:", {}},
      {L"按钮1", ControlKind::PushButton, L"", 24, 56, 88, 24, L"确定", {}},
      {L"按钮2", ControlKind::PushButton, L"", 176, 56, 88, 24, L"取消", {}},
  };
  return layout;
}
