#pragma once
#include <windows.h>

#include <optional>
#include <string>

// A small modal dialog asking for one line of text: the entered text on OK, nothing on Cancel.
std::optional<std::wstring> ShowInputBox(HWND owner, const std::wstring& prompt, const std::wstring& title,
                                         const std::wstring& initial);
