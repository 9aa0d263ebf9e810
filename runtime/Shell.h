#pragma once
#include <string>

// The shell and process services of the runtime.
namespace shell {

bool Open(const std::wstring& target);
// Appends ".lnk" when the link path holds no "." at all.
bool CreateShortcut(const std::wstring& link, const std::wstring& target);
void NotifyAssociationsChanged();
std::wstring DesktopFolder();  // ends in a backslash
std::wstring ExecutablePath();

}  // namespace shell
