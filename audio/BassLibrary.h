#pragma once
// Binds the player to plugins\bass.dll, loaded by its full path from the library folder the
// program decides at start-up, never from the current directory.
#include <functional>
#include <memory>
#include <string>

#include "AudioPlayer.h"

// `libraryFolder` is asked once, at the first call that needs the library.
BassBinding BindBassLibrary(std::function<std::wstring()> libraryFolder);

// The runtime's error box for a missing library or function; ends the process.
[[noreturn]] void ShowMissingFunctionAndExit(const char* library, const char* function);
// Its text: "运行时出错!", two line breaks, "错误信息：" and the line naming library and function.
std::wstring MissingFunctionText(const char* library, const char* function);

std::unique_ptr<AudioPlayer> MakeAudioPlayer(std::function<std::wstring()> libraryFolder);
