#include "Board.h"
#include "MainLayout.h"

namespace {

// Output pairs of a multi-channel card, offered when the default device does not open.
constexpr const wchar_t* kOutputPairs[] = {L"系统音源", L"4/5", L"6/7", L"8/9", L"10/11",
                                           L"12/13", L"14/15", L"16/17", L"18/19", L"20/21"};
constexpr int kListedDevices = 5;

}  // namespace

void Board::BuildChannelList(int passage) {
  const Control list = Find(names::kChannelList);
  player_.InitDevice();
  runtime_.AddListItem(list, L"不输出音效", 0);
  if (player_.CurrentDevice() > 0) {
    for (int device = 1; device <= kListedDevices; ++device) {
      if (auto description = player_.DeviceDescription(device)) runtime_.AddListItem(list, *description, 0);
    }
    for (int i = 0; i < runtime_.ListCount(list); ++i) runtime_.SetListItemValue(list, i, i);
  } else {
    int value = 1;
    for (const wchar_t* pair : kOutputPairs) runtime_.AddListItem(list, pair, value++);
  }
  const bool known = passage >= 1 && passage <= runtime_.ListCount(list) - 1;
  runtime_.SetListSelection(list, known ? passage : 1);
  player_.FreeDevice();
  player_.InitDevice(runtime_.ListItemValue(list, runtime_.ListSelection(list)));
}

void Board::OnChannelSelected() {
  const Control list = Find(names::kChannelList);
  player_.FreeDevice();
  const int selected = runtime_.ListSelection(list);
  const int device = runtime_.ListItemValue(list, selected);
  if (player_.InitDevice(device) == 0) {
    runtime_.ShowMessage(L"设备初始化失败！", 0x1030, L"失败");  // warning icon, system-modal
    return;
  }
  WriteSetting(L"music", L"passage", std::to_wstring(device));
  runtime_.ShowMessage(L"设备" + runtime_.ListItemText(list, selected) + L"初始化成功！", 0);
}

void Board::OnVolumeChanged() {
  const int position = runtime_.SliderPosition(Find(names::kVolume));
  WriteSetting(L"music", L"volume", std::to_wstring(position));
  player_.SetChannelVolume(currentChannel_, static_cast<float>(position) / 100.0f);
}
