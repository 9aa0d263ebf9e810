// The engine's own file handling on Windows: files held by others, read-only files, paths.
#include <windows.h>

#include <gtest/gtest.h>

#include "WindowsFiles.h"
#include "app/settings/SettingsFile.h"

namespace {

int CountFiles(const std::wstring& pattern) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") ++count;
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return count;
}

TEST(WindowsFile, FileHeldWithoutSharingIsLeftAlone) {
  WindowsTempFolder folder;
  const std::wstring file = folder / L"xnKxConfig.ini";
  ASSERT_TRUE(WriteFileBytes(file, "[music]\r\nvolume=5\r\n"));
  HANDLE held = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(settings::Read(file, L"music", L"volume", L"100"), L"100");
  EXPECT_FALSE(settings::Write(file, L"music", L"volume", L"0"));
  EXPECT_FALSE(settings::Remove(file, L"music", L"volume"));
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(file), "[music]\r\nvolume=5\r\n");
  EXPECT_TRUE(settings::Write(file, L"music", L"volume", L"0"));
  EXPECT_EQ(ReadFileBytes(file), "[music]\r\nvolume=0\r\n");
  EXPECT_EQ(CountFiles(folder / L"*"), 1);  // no temporary file left behind
}

TEST(WindowsFile, ReadOnlyFileIsNotReplaced) {
  WindowsTempFolder folder;
  const std::wstring file = folder / L"xnKxConfig.ini";
  ASSERT_TRUE(WriteFileBytes(file, "[music]\r\nvolume=5\r\n"));
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(settings::Read(file, L"music", L"volume", L"100"), L"5");
  EXPECT_FALSE(settings::Write(file, L"music", L"volume", L"0"));
  EXPECT_EQ(ReadFileBytes(file), "[music]\r\nvolume=5\r\n");
  EXPECT_EQ(CountFiles(folder / L"*"), 1);
}

TEST(WindowsFile, ReplacementKeepsTheFileHidden) {
  WindowsTempFolder folder;
  const std::wstring file = folder / L"xnKxConfig.ini";
  ASSERT_TRUE(WriteFileBytes(file, "[music]\r\n"));
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(settings::Write(file, L"music", L"volume", L"0"));
  EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(ReadFileBytes(file), "[music]\r\nvolume=0\r\n");
}

TEST(WindowsFile, ChinesePathAndCaptions) {
  WindowsTempFolder folder;
  const std::wstring inner = folder / L"澜拓音频";
  ASSERT_TRUE(CreateDirectoryW(inner.c_str(), nullptr));
  const std::wstring file = inner + L"\\xnKxConfig.ini";
  ASSERT_TRUE(settings::Write(file, L"music", L"name7", L"遊戲結束"));
  ASSERT_TRUE(settings::Write(file, L"music", L"file7", L"C:\\音效\\狗叫.mp3"));
  EXPECT_EQ(ReadFileBytes(file), "[music]\r\nname7=\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8\r\nfile7=C:\\\xD2\xF4\xD0\xA7\\\xB9\xB7\xBD\xD0.mp3\r\n");
  EXPECT_EQ(settings::Read(file, L"music", L"name7", L"自定义"), L"遊戲結束");
  DeleteFileW(file.c_str());
  RemoveDirectoryW(inner.c_str());
}

}  // namespace
