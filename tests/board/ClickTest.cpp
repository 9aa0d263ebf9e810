// A real mouse click on a preset of the real program reaches the audio library with the play
// sequence: free the old stream, create one from the caption's file, set its volume, play.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

#include "BoardFolder.h"
#include "BoardProcess.h"
#include "RealInput.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const wchar_t* caption : {L"狗叫", L"孙悟空出场"}) folder.Write(std::wstring(L"data/music/") + caption + L".mp3", "ID3");
    SetEnvironmentVariableW(L"FAKE_BASS_LOG", (folder.Wide() + L"\\calls.log").c_str());
  }
  std::vector<std::string> CallsSince(std::size_t from) {
    auto lines = Lines(folder.Read(L"calls.log"));
    return {lines.begin() + static_cast<std::ptrdiff_t>(std::min(from, lines.size())), lines.end()};
  }
  // Waits until the library has seen the given number of calls after the mark.
  std::vector<std::string> WaitForCalls(std::size_t from, std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    auto calls = CallsSince(from);
    while (calls.size() < count && std::chrono::steady_clock::now() < end) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      calls = CallsSince(from);
    }
    return calls;
  }
  std::vector<std::string> PlaySequence(const char* previous, const wchar_t* caption, const char* stream) {
    const std::string path = Utf8(folder.Wide() + L"\\data\\music\\" + caption + L".mp3");
    return {std::string("BASS_StreamFree(") + previous + ")",
            "BASS_StreamCreateFile(0,\"" + path + "\",0,0,2147483648)",  // with the Unicode flag
            std::string("BASS_ChannelSetAttribute(") + stream + ",2,1)", std::string("BASS_ChannelPlay(") + stream + ",1)"};
  }

  BoardFolder folder{FAKE_BASS_PLUGINS};
};

TEST_F(ClickTest, RealClicksPlayTheirPresets) {
  BoardProcess board(folder.Wide(), BoardFolder::kExe);
  ASSERT_TRUE(board.Window());
  HWND pages = FindWindowExW(board.Window(), nullptr, WC_TABCONTROLW, nullptr);
  HWND preset5 = FindWindowExW(pages, nullptr, L"Button", L"孙悟空出场");
  ASSERT_TRUE(preset5);

  std::size_t mark = CallsSince(0).size();
  ClickOn(preset5);
  EXPECT_EQ(WaitForCalls(mark, 4), PlaySequence("0", L"孙悟空出场", "1001"));

  // Page 3 through its tab (the first tab, then two to the right), then "狗叫".
  POINT firstTab{16 + 20, 96 + 10};
  ClientToScreen(board.Window(), &firstTab);
  ClickAt(firstTab);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  PressKeys({VK_RIGHT});
  PressKeys({VK_RIGHT});
  HWND dog = FindWindowExW(pages, nullptr, L"Button", L"狗叫");
  ASSERT_TRUE(dog);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!IsWindowVisible(dog) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(IsWindowVisible(dog));
  mark = CallsSince(0).size();
  ClickOn(dog);
  EXPECT_EQ(WaitForCalls(mark, 4), PlaySequence("1001", L"狗叫", "1002"));

  // The closing frees the stream, then the device.
  mark = CallsSince(0).size();
  ASSERT_TRUE(board.CloseAndWait());
  EXPECT_EQ(CallsSince(mark), (std::vector<std::string>{"BASS_StreamFree(1002)", "BASS_Free()"}));
}

}  // namespace
