#include "app/settings/SettingsFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace {

std::wstring Wide(const std::filesystem::path& path) { return path.wstring(); }

TEST(SettingsFile, MissingFileReadsDefaultsAndFirstWriteCreatesIt) {
  TempFolder folder;
  const std::wstring file = Wide(folder / "xnKxConfig.ini");
  EXPECT_EQ(settings::Read(file, L"music", L"passage", L"1"), L"1");
  EXPECT_TRUE(settings::Remove(file, L"hotkey", L"btn1"));
  EXPECT_FALSE(std::filesystem::exists(file));
  ASSERT_TRUE(settings::Write(file, L"init", L"writeFile", L"1"));
  EXPECT_EQ(ReadBytes(file), "[init]\r\nwriteFile=1\r\n");
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(SettingsFile, HandEditedGbkCaptionsReadBackExactly) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "[music]\r\nname1=\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8\r\nname2=Cs \xD2\xF4\xD0\xA7\r\n");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"name1", L"自定义"), L"遊戲結束");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"name2", L"自定义"), L"Cs 音效");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"name3", L"自定义"), L"自定义");
}

TEST(SettingsFile, EveryCallSeesTheFileAsItIsNow) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "[music]\r\nvolume=10\r\n");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"volume", L"100"), L"10");
  WriteBytes(file, "[music]\r\nvolume=20\r\n");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"volume", L"100"), L"20");
  ASSERT_TRUE(settings::Write(Wide(file), L"music", L"passage", L"3"));
  EXPECT_EQ(ReadBytes(file), "[music]\r\nvolume=20\r\npassage=3\r\n");
}

TEST(SettingsFile, LongValuesAreCutOnACharacterBoundary) {
  TempFolder folder;
  const std::wstring file = Wide(folder / "xnKxConfig.ini");
  ASSERT_TRUE(settings::Write(file, L"music", L"file1", std::wstring(20000, L'x')));
  ASSERT_TRUE(settings::Write(file, L"music", L"name1", std::wstring(6000, L'音')));
  EXPECT_EQ(settings::Read(file, L"music", L"file1", L""), std::wstring(10239, L'x'));
  EXPECT_EQ(settings::Read(file, L"music", L"name1", L""), std::wstring(5119, L'音'));
}

TEST(SettingsFile, HotkeyKeysAndClearing) {
  TempFolder folder;
  const std::wstring file = Wide(folder / "xnKxConfig.ini");
  ASSERT_TRUE(settings::Write(file, L"hotkey", L"btn120", L"116,5"));
  ASSERT_TRUE(settings::Write(file, L"hotkey", L"btn12", L"65,1"));
  EXPECT_EQ(settings::Read(file, L"hotkey", L"btn120", L""), L"116,5");
  ASSERT_TRUE(settings::Remove(file, L"hotkey", L"btn12"));
  ASSERT_TRUE(settings::Remove(file, L"hotkey", L"btn120"));
  EXPECT_EQ(ReadBytes(folder / "xnKxConfig.ini"), "[hotkey]\r\n");
}

TEST(SettingsFile, ValueWithoutGbkFormTurnsTheFileUtf16) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "[music]\r\nname1=\xD2\xF4\r\n");
  ASSERT_TRUE(settings::Write(Wide(file), L"music", L"name2", L"\u0E01\U0001F600"));
  EXPECT_EQ(ReadBytes(file).substr(0, 4), "\xFF\xFE[\0"sv);
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"name1", L""), L"音");
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"name2", L""), L"\u0E01\U0001F600");
}

// Files the engine cannot make sense of read as defaults and are never replaced.
TEST(SettingsFile, UnusableFilesReadAsDefaultsAndStayUntouched) {
  TempFolder folder;
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"binary garbage", "\x7F" "ELF\x02\x01\x01\0\0\0[music]\nvolume=5\n"s},
      {"UTF-16 without a BOM", "[\0m\0]\0\n\0k\0=\0v\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto file = folder / "xnKxConfig.ini";
    WriteBytes(file, c.content);
    EXPECT_EQ(settings::Read(Wide(file), L"music", L"volume", L"100"), L"100");
    EXPECT_FALSE(settings::Write(Wide(file), L"music", L"volume", L"0"));
    EXPECT_FALSE(settings::Remove(Wide(file), L"music", L"volume"));
    EXPECT_EQ(ReadBytes(file), c.content);
  }
}

TEST(SettingsFile, HugeFileIsNotLoadedAndNotReplaced) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "[music]\r\nvolume=5\r\n");
  std::filesystem::resize_file(file, 512ull << 20);  // sparse: costs no disk
  EXPECT_EQ(settings::Read(Wide(file), L"music", L"volume", L"100"), L"100");
  EXPECT_FALSE(settings::Write(Wide(file), L"music", L"volume", L"0"));
  EXPECT_EQ(std::filesystem::file_size(file), 512ull << 20);
}

TEST(SettingsFile, WriteThatWouldMakeTheFileTooLargeIsRefused) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  const std::string nearlyFull = "[music]\r\nvolume=5\r\n;" + std::string(settings::kMaxFileBytes - 100, '-') + "\r\n";
  WriteBytes(file, nearlyFull);
  EXPECT_FALSE(settings::Write(Wide(file), L"music", L"name1", std::wstring(100, L'x')));
  EXPECT_FALSE(settings::Write(Wide(file), L"music", L"name1", std::wstring(settings::kMaxFileBytes + 1, L'x')));
  EXPECT_EQ(ReadBytes(file), nearlyFull);
  EXPECT_TRUE(settings::Write(Wide(file), L"music", L"volume", L"6"));
}

TEST(SettingsFile, FolderInsteadOfFileAndMissingFolder) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "xnKxConfig.ini");
  EXPECT_EQ(settings::Read(Wide(folder / "xnKxConfig.ini"), L"music", L"volume", L"100"), L"100");
  EXPECT_FALSE(settings::Write(Wide(folder / "xnKxConfig.ini"), L"music", L"volume", L"0"));
  EXPECT_FALSE(settings::Write(Wide(folder / "gone" / "xnKxConfig.ini"), L"music", L"volume", L"0"));
}

TEST(SettingsFile, TruncatedUtf16FileReadsWhatIsThereAndIsRepairedByAWrite) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "\xFF\xFE[\0m\0]\0\n\0k\0=\0v\0\n\0x"s);
  EXPECT_EQ(settings::Read(Wide(file), L"m", L"k", L""), L"v");
  ASSERT_TRUE(settings::Write(Wide(file), L"m", L"k", L"w"));
  EXPECT_EQ(ReadBytes(file), "\xFF\xFE[\0m\0]\0\n\0k\0=\0w\0\n\0"s);
}

TEST(SettingsFile, ReplacementKeepsThePermissionsOfTheFile) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  WriteBytes(file, "[music]\r\n");
  std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(settings::Write(Wide(file), L"music", L"volume", L"1"));
  EXPECT_EQ(std::filesystem::status(file).permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(SettingsFile, ChinesePath) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "澜拓音频");
  const auto file = folder / "澜拓音频" / "xnKxConfig.ini";
  const std::wstring wide = folder.path().wstring() + L"/澜拓音频/xnKxConfig.ini";
  ASSERT_TRUE(settings::Write(wide, L"music", L"volume", L"0"));
  EXPECT_EQ(ReadBytes(file), "[music]\r\nvolume=0\r\n");
  EXPECT_EQ(settings::Read(wide, L"music", L"volume", L"100"), L"0");
}

}  // namespace
