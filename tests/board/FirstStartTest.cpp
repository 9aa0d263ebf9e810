// The board program as a new user meets it: first start, second start, a hand-edited
// settings file.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "BoardFolder.h"
#include "BoardProcess.h"

namespace fs = std::filesystem;

namespace {

const wchar_t* const kExe = BoardFolder::kExe;

class FirstStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t desktop[MAX_PATH];
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop);
    shortcut = fs::path(desktop) / L"LantuoSoundBoard.lnk";
    fs::remove(shortcut);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove(shortcut, ignored);
  }

  std::string Settings() { return folder.Read(L"xnKxConfig.ini"); }
  void WriteSettings(const std::string& bytes) { folder.Write(L"xnKxConfig.ini", bytes); }

  BoardFolder folder{BOARD_PLUGINS_PATH};
  fs::path shortcut;
};

std::wstring ShortcutTarget(const fs::path& link) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring target;
  IShellLinkW* shellLink = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shellLink)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
        wchar_t path[MAX_PATH] = {};
        shellLink->GetPath(path, MAX_PATH, nullptr, 0);
        target = path;
      }
      file->Release();
    }
    shellLink->Release();
  }
  CoUninitialize();
  return target;
}

TEST_F(FirstStartTest, FirstStartWritesTheFlagAndMakesTheShortcutOnce) {
  {
    BoardProcess board(folder.Wide(), kExe);
    ASSERT_TRUE(board.Window());
    ASSERT_TRUE(board.CloseAndWait());
  }
  EXPECT_EQ(Settings(), "[init]\r\nwriteFile=1\r\n");
  ASSERT_TRUE(fs::exists(shortcut));
  // Wine keeps a link's path in the ANSI code page: outside code page 936 the folder's Chinese
  // character comes back as "?", so only the file name can be compared there.
  const fs::path target = ShortcutTarget(shortcut);
  if (GetACP() == 936) {
    EXPECT_EQ(target, folder.Path() / kExe);
  } else {
    EXPECT_EQ(target.filename(), fs::path(kExe));
  }

  fs::remove(shortcut);
  {
    BoardProcess board(folder.Wide(), kExe);
    ASSERT_TRUE(board.Window());
    ASSERT_TRUE(board.CloseAndWait());
  }
  EXPECT_FALSE(fs::exists(shortcut));
  EXPECT_EQ(Settings(), "[init]\r\nwriteFile=1\r\n");
}

TEST_F(FirstStartTest, HandEditedGbkSettingsReadBack) {
  // "遊戲 結束" and "警笛" in GBK, with the slider and channel values malformed by hand.
  const std::string edited =
      "[init]\r\nwriteFile=1\r\n[music]\r\nvolume=abc\r\npassage=3x\r\n"
      "name3=\xDF\x5B\x91\xF2 \xBD\x59\xCA\xF8\r\nfile3=C:\\\xBE\xAF\xB5\xD1.wav\r\n";
  WriteSettings(edited);
  BoardProcess board(folder.Wide(), kExe);
  ASSERT_TRUE(board.Window());
  HWND pages = FindWindowExW(board.Window(), nullptr, WC_TABCONTROLW, nullptr);
  wchar_t caption[64] = {};
  GetWindowTextW(ChildAt(pages, L"Button", 184, 40), caption, 64);
  EXPECT_EQ(std::wstring(caption), L"遊戲 結束");
  HWND slider = FindWindowExW(board.Window(), nullptr, TRACKBAR_CLASSW, nullptr);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 0);
  HWND list = FindWindowExW(board.Window(), nullptr, WC_COMBOBOXW, nullptr);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 3);
  ASSERT_TRUE(board.CloseAndWait());
  EXPECT_EQ(Settings(), edited);  // nothing was changed, so nothing was rewritten
}

}  // namespace
