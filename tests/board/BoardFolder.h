#pragma once
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A portable board folder made for one test: the program, a plugins folder and sound files,
// in a temporary folder whose name has Chinese and a space. Removed with the test.
class BoardFolder {
 public:
  static constexpr const wchar_t* kExe = L"LantuoSoundBoard.exe";

  explicit BoardFolder(const std::wstring& plugins) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int made = 0;
    path_ = std::filesystem::path(temp) /
            (L"板 board " + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made));
    std::filesystem::create_directories(path_ / L"data" / L"music");
    std::filesystem::copy_file(BOARD_EXE_PATH, path_ / kExe);
    if (std::filesystem::exists(plugins)) std::filesystem::copy(plugins, path_ / L"plugins");
  }
  ~BoardFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  BoardFolder(const BoardFolder&) = delete;
  BoardFolder& operator=(const BoardFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::wstring Wide() const { return path_.wstring(); }
  std::string Read(const std::filesystem::path& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void Write(const std::filesystem::path& relative, const std::string& bytes) const {
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path path_;
};

inline std::string Utf8(const std::wstring& text) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}
