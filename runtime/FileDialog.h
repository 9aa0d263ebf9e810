#pragma once
#include <windows.h>

#include <optional>
#include <string>

// The open-file dialog's settings as a layout gives them.
struct FileDialogSettings {
  std::wstring title;
  std::wstring filter;  // "text|pattern|text|pattern"
  std::wstring folder;  // relative folders are taken from the run directory
};

// The chosen file's full path, or nothing when the user cancelled.
std::optional<std::wstring> ShowOpenFileDialog(HWND owner, const FileDialogSettings& settings,
                                               const std::wstring& runDirectory);
