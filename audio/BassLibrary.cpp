#include "BassLibrary.h"

#include <windows.h>

namespace {

std::wstring Widen(const char* ascii) { return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii)); }

// The loaded library. It is never unloaded: its device thread may still be playing when the
// last player goes away, and the process ends soon after anyway.
class BassModule {
 public:
  explicit BassModule(std::function<std::wstring()> folder) : folder_(std::move(folder)) {}
  BassModule(const BassModule&) = delete;
  BassModule& operator=(const BassModule&) = delete;

  void* Resolve(const char* function) {
    if (!module_ && !tried_) {
      tried_ = true;
      std::wstring path = folder_ ? folder_() : std::wstring();
      if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
      path += L"bass.dll";
      // A full path, and the library's own folder first for anything it loads in turn.
      module_ = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    return module_ ? reinterpret_cast<void*>(GetProcAddress(module_, function)) : nullptr;
  }

 private:
  std::function<std::wstring()> folder_;
  HMODULE module_ = nullptr;
  bool tried_ = false;
};

}  // namespace

std::wstring MissingFunctionText(const char* library, const char* function) {
  return L"运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件“" + Widen(library) + L"”中的输出命令“" + Widen(function) + L"”";
}

void ShowMissingFunctionAndExit(const char* library, const char* function) {
  MessageBoxW(nullptr, MissingFunctionText(library, function).c_str(), L"错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

BassBinding BindBassLibrary(std::function<std::wstring()> libraryFolder) {
  auto module = std::make_shared<BassModule>(std::move(libraryFolder));
  return BassBinding{[module](const char* function) { return module->Resolve(function); },
                     [](const char* library, const char* function) { ShowMissingFunctionAndExit(library, function); }};
}

std::unique_ptr<AudioPlayer> MakeAudioPlayer(std::function<std::wstring()> libraryFolder) {
  return std::make_unique<AudioPlayer>(BindBassLibrary(std::move(libraryFolder)));
}
