// A missing audio library or function: the runtime's error box, then the end of the process.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

struct Box {
  HWND window = nullptr;
  DWORD process = 0;
};

BOOL CALLBACK FindBox(HWND window, LPARAM param) {
  auto* box = reinterpret_cast<Box*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t cls[64] = {};
  GetClassNameW(window, cls, 64);
  if (owner == box->process && std::wstring(cls) == L"#32770") {
    box->window = window;
    return FALSE;
  }
  return TRUE;
}

std::wstring ChildText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t buffer[512] = {};
    GetWindowTextW(child, buffer, 512);
    if (std::wstring(buffer).find(L"错误信息") != std::wstring::npos) text = buffer;
  }
  return text;
}

// Runs the helper against `folder`; returns the box's text and the exit code.
std::pair<std::wstring, DWORD> RunHelper(const std::filesystem::path& folder) {
  std::wstring command = L"\"" AUDIO_HELPER L"\" \"" + folder.wstring() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return {L"no helper", 99};
  Box box{nullptr, process.dwProcessId};
  std::wstring text;
  // Wait with a deadline: a box that never comes must fail the test, not hang it.
  for (int i = 0; i < 300 && !box.window; ++i) {
    if (WaitForSingleObject(process.hProcess, 50) == WAIT_OBJECT_0) break;
    EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
  }
  if (box.window) {
    // The box exists a moment before its text does.
    for (int i = 0; i < 100 && text.empty(); ++i) {
      text = ChildText(box.window);
      if (text.empty()) Sleep(50);
    }
    PostMessageW(box.window, WM_COMMAND, IDOK, 0);
  }
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 98);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return {text, code};
}

const std::wstring kExpected = L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“bass.dll”中的输出命令“BASS_Init”";

TEST(MissingLibrary, LibraryAbsentShowsTheRuntimeErrorAndEnds) {
  const auto folder = std::filesystem::temp_directory_path() / L"无音频库";
  std::filesystem::create_directories(folder);
  std::filesystem::remove(folder / "bass.dll");
  const auto [text, code] = RunHelper(folder);
  EXPECT_EQ(text, kExpected);
  EXPECT_EQ(code, 1u);
}

TEST(MissingLibrary, FunctionAbsentShowsTheRuntimeErrorAndEnds) {
  // Any library without our exports, under our name.
  const auto folder = std::filesystem::temp_directory_path() / "wrong-audio-library";
  std::filesystem::create_directories(folder);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  ASSERT_TRUE(CopyFileW((std::filesystem::path(system) / "version.dll").c_str(), (folder / "bass.dll").c_str(), FALSE));
  const auto [text, code] = RunHelper(folder);
  EXPECT_EQ(text, kExpected);
  EXPECT_EQ(code, 1u);
}

}  // namespace
