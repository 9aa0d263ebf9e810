#pragma once
#include <gtest/gtest.h>

#include "app/Board.h"
#include "tests/fakes/FakeAudio.h"
#include "tests/fakes/FakeHotkeyInput.h"
#include "tests/fakes/FakeRuntime.h"
#include "tests/fakes/TempDir.h"

// A board over the scripted runtime and the recording player, in a fresh run directory.
class BoardTest : public ::testing::Test {
 protected:
  TempDir dir;
  FakeRuntime runtime{dir.Wide()};
  FakeAudio player;
  FakeHotkeyInput hotkeyInput;
  Board board{runtime, player, hotkeyInput, {{L"https://shop.example/board", L"123456"}, {}}};

  Control Named(const std::wstring& name) { return runtime.Named(name); }
  std::string SettingsBytes() { return dir.Read("xnKxConfig.ini"); }
};
