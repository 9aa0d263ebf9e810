// The player bound to the recording fake: what the application's tests will read back.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "BassLibrary.h"

using testing::ElementsAre;

namespace {

std::vector<std::string> ReadLines(const std::filesystem::path& file) {
  std::vector<std::string> lines;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class FakeBassTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / L"fake-bass-测试";
    std::filesystem::create_directories(folder);
    log = folder / "calls.log";
    std::filesystem::remove(log);
    SetEnvironmentVariableW(L"FAKE_BASS_LOG", log.c_str());
    SetEnvironmentVariableW(L"FAKE_BASS_RESULTS", nullptr);
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"FAKE_BASS_LOG", nullptr);
    SetEnvironmentVariableW(L"FAKE_BASS_RESULTS", nullptr);
  }
  std::filesystem::path folder, log;
};

TEST_F(FakeBassTest, RecordsEachCallWithItsArguments) {
  auto player = MakeAudioPlayer([] { return std::wstring(L"" FAKE_BASS_FOLDER); });
  const auto sound = folder / L"狗叫.mp3";
  std::ofstream(sound) << "ID3";
  EXPECT_EQ(player->InitDevice(), 1);
  EXPECT_EQ(player->CurrentDevice(), 1);
  const std::uint32_t stream = player->CreateStream(sound.wstring());
  EXPECT_EQ(stream, 1001u);
  EXPECT_EQ(player->SetChannelVolume(stream, 0.5f), 1);
  EXPECT_EQ(player->Play(stream), 1);
  EXPECT_EQ(player->Play(0), 0);
  EXPECT_EQ(player->FreeStream(stream), 1);
  EXPECT_EQ(player->FreeDevice(), 1);
  const std::string path = reinterpret_cast<const char*>(sound.u8string().c_str());
  EXPECT_THAT(ReadLines(log), ElementsAre("BASS_Init(-1,44100,0,0,0)", "BASS_GetDevice()",
                                          "BASS_StreamCreateFile(0,\"" + path + "\",0,0,2147483648)",
                                          "BASS_ChannelSetAttribute(1001,2,0.5)", "BASS_ChannelPlay(1001,1)",
                                          "BASS_StreamFree(1001)", "BASS_Free()"));
}

TEST_F(FakeBassTest, ResultsComeFromTheEnvironment) {
  auto player = MakeAudioPlayer([] { return std::wstring(L"" FAKE_BASS_FOLDER); });
  SetEnvironmentVariableW(L"FAKE_BASS_RESULTS", L"BASS_Init=0;BASS_GetDevice=-1;BASS_GetDeviceInfo.2=扬声器 (Null Output)");
  EXPECT_EQ(player->InitDevice(3), 0);
  EXPECT_EQ(player->CurrentDevice(), -1);
  EXPECT_EQ(player->DeviceDescription(1), L"Default");
  EXPECT_EQ(player->DeviceDescription(2), L"扬声器 (Null Output)");
  EXPECT_EQ(player->DeviceDescription(3), std::nullopt);
  SetEnvironmentVariableW(L"FAKE_BASS_RESULTS", L"BASS_Init=1");  // read again at every call
  EXPECT_EQ(player->InitDevice(3), 1);
  EXPECT_EQ(ReadLines(log).front(), "BASS_Init(3,44100,0,0,0)");
}

}  // namespace
