#include "Board.h"
#include "MainLayout.h"
#include "Text.h"

namespace {
constexpr const wchar_t* kSettingsFileName = L"xnKxConfig.ini";
}

Board::Board(Runtime& runtime, Audio& player, HotkeyInput& hotkeyInput, Options options)
    : runtime_(runtime), player_(player), hotkeyInput_(hotkeyInput), options_(std::move(options)) {}

Control Board::Open() {
  mainWindow_ = runtime_.CreateWindowFrom(MainWindowLayout(options_.links));
  AttachHandlers();
  OnMainWindowCreated();
  runtime_.ShowWindow(mainWindow_);
  return mainWindow_;
}

void Board::AttachHandlers() {
  const struct {
    Control control;
    EventKind event;
    void (Board::*handler)();
  } table[] = {
      {mainWindow_, EventKind::Closing, &Board::OnMainWindowClosing},
      {Find(names::kFirstPreset), EventKind::Click, &Board::OnPresetClick},
      {Find(names::kFirstPreset), EventKind::RightReleased, &Board::OnPresetRightRelease},
      {Find(names::kFirstUser), EventKind::Click, &Board::OnUserClick},
      {Find(names::kFirstUser), EventKind::RightPressed, &Board::OnUserRightPress},
      {Find(names::kStop), EventKind::Click, &Board::OnStopClick},
      {Find(names::kStop), EventKind::RightReleased, &Board::OnStopRightRelease},
      {Find(names::kHotkeyLabel), EventKind::Feedback, &Board::OnHotkeyFeedback},
      {Find(names::kVolume), EventKind::PositionChanged, &Board::OnVolumeChanged},
      {Find(names::kChannelList), EventKind::ItemSelected, &Board::OnChannelSelected},
      {Find(names::kShopButton), EventKind::Click, &Board::OnShopClick},
      {Find(names::kChatPicture), EventKind::LeftPressed, &Board::OnChatPictureClick},
  };
  for (const auto& row : table) {
    if (row.control) runtime_.Attach(row.control, row.event, [this, handler = row.handler] { (this->*handler)(); });
  }
}

void Board::OnMainWindowCreated() {
  if (options_.dress) options_.dress(mainWindow_);
  runDirPrefix_ = runtime_.RunDirectory() + L"\\";
  runtime_.SetLibraryFolder(runDirPrefix_ + L"plugins");
  BuildChannelList(text::ToInt(ReadSetting(L"music", L"passage", L"1")));
  runtime_.SetSliderPosition(Find(names::kVolume), text::ToInt(ReadSetting(L"music", L"volume", L"100")));
  WireButtons();
  if (ReadSetting(L"init", L"writeFile").empty()) MakeFirstStartShortcut();
}

// The shortcut is made once per settings file: "writeFile" is written even when the shell
// refused the link, so a failure is not retried at every start.
void Board::MakeFirstStartShortcut() {
  const std::wstring exe = runtime_.ExecutableName();
  const int dot = text::FindLast(exe, L".");
  const std::wstring link = runtime_.DesktopFolder() + (dot < 0 ? exe : text::Left(exe, dot - 1) + L".lnk");
  runtime_.CreateShortcut(link, runDirPrefix_ + exe);
  WriteSetting(L"init", L"writeFile", L"1");
  runtime_.Sleep(10);
  runtime_.NotifyAssociationsChanged();
}

void Board::OnMainWindowClosing() {
  player_.FreeStream(currentChannel_);
  player_.FreeDevice();
}

std::wstring Board::SettingsFile() const { return runDirPrefix_ + kSettingsFileName; }

std::wstring Board::ReadSetting(const std::wstring& section, const std::wstring& key,
                                const std::wstring& fallback) {
  return runtime_.ReadSetting(SettingsFile(), section, key, fallback);
}

bool Board::WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  return runtime_.WriteSetting(SettingsFile(), section, key, value);
}

Control Board::Find(const wchar_t* name) const { return runtime_.FindControl(mainWindow_, name); }
