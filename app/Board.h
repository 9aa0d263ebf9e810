#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "Audio.h"
#include "Control.h"
#include "HotkeyInput.h"
#include "MainLayout.h"
#include "Runtime.h"

// The sound board's application logic: the main window's state and its event handlers.
// Everything runs on the window thread; the runtime, the player and the hotkey input outlive
// the board.
class Board {
 public:
  struct Options {
    MakerLinks links;
    // Dresses the freshly created main window (skin, category bar); may be empty.
    std::function<void(Control mainWindow)> dress;
  };

  Board(Runtime& runtime, Audio& player, HotkeyInput& hotkeyInput, Options options = {});
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // Creates the main window, attaches every handler, runs the creation steps and shows it.
  Control Open();

  // Start-up and closing.
  void OnMainWindowCreated();
  void OnMainWindowClosing();
  void BuildChannelList(int passage);
  void WireButtons();

  // Sound buttons.
  void PlayFile(const std::wstring& path);
  void OnPresetClick();
  void OnUserClick();
  void OnUserRightPress();

  // Output channel and volume.
  void OnChannelSelected();
  void OnVolumeChanged();

  // Hotkeys.
  void OnPresetRightRelease();
  void OnStopRightRelease();
  int OpenHotkeyWindow(Control button);
  void OnHotkeyWindowCreated();
  void OnHotkeyOk();
  void OnHotkeyCancel();
  void OnHotkeyFeedback();

  // Stop button, links and pages.
  void OnStopClick();
  void OnShopClick();
  void OnChatPictureClick();
  void ShowPage(int page);  // 1-based, as the category bar counts

  Control MainWindow() const { return mainWindow_; }
  Control HotkeyWindow() const { return hotkeyWindow_; }
  const std::wstring& RunDirPrefix() const { return runDirPrefix_; }
  std::uint32_t CurrentChannel() const { return currentChannel_; }

 private:
  std::wstring SettingsFile() const;
  std::wstring ReadSetting(const std::wstring& section, const std::wstring& key, const std::wstring& fallback = {});
  bool WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  Control Find(const wchar_t* name) const;
  std::wstring PresetFile(Control preset) const;

  void AttachHandlers();
  void MakeFirstStartShortcut();
  void WirePresets();
  void WireUserButtons();
  void RestoreHotkey(Control button, const std::wstring& settingsKey);
  std::wstring HotkeySettingsKey(Control button) const;

  Runtime& runtime_;
  Audio& player_;
  HotkeyInput& hotkeyInput_;
  Options options_;
  Control mainWindow_;
  std::wstring runDirPrefix_;
  std::uint32_t currentChannel_ = 0;
  Control hotkeyTarget_;
  Control hotkeyWindow_;
  HotkeyValue hotkeyValue_;
  int hotkeyDialogResult_ = 0;
};
