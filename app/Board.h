#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "Audio.h"
#include "Control.h"
#include "Runtime.h"

// The sound board's application logic: the main window's state and its event handlers.
// Everything runs on the window thread; the runtime and the player outlive the board.
class Board {
 public:
  // Dresses the freshly created main window (skin, category bar); may do nothing.
  using Dresser = std::function<void(Control mainWindow)>;

  Board(Runtime& runtime, Audio& player, Dresser dress = {});
  Board(const Board&) = delete;
  Board& operator=(const Board&) = delete;

  // Creates the main window, attaches every handler, runs the creation steps and shows it.
  Control Open();

  void OnMainWindowCreated();
  void OnMainWindowClosing();

  // Start-up steps; public so tests can drive them one by one.
  void BuildChannelList(int passage);
  void WireButtons();

  Control MainWindow() const { return mainWindow_; }
  const std::wstring& RunDirPrefix() const { return runDirPrefix_; }
  std::uint32_t CurrentChannel() const { return currentChannel_; }

 private:
  std::wstring SettingsFile() const;
  std::wstring ReadSetting(const std::wstring& section, const std::wstring& key,
                           const std::wstring& fallback = {});
  bool WriteSetting(const std::wstring& section, const std::wstring& key, const std::wstring& value);
  Control Find(const wchar_t* name) const;

  void AttachHandlers();
  void MakeFirstStartShortcut();
  void WirePresets();
  void WireUserButtons();

  Runtime& runtime_;
  Audio& player_;
  Dresser dress_;
  Control mainWindow_;
  std::wstring runDirPrefix_;
  std::uint32_t currentChannel_ = 0;
};
