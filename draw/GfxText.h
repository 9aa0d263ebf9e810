#pragma once
// Text and GUID conversions shared by the font and image wrappers. ANSI text is in the
// system's code page; GDI+ takes UTF-16.
#include <windows.h>

#include <string>
#include <string_view>

// UTF-16 of ANSI text (CP_ACP); always ends with one zero code unit of its own.
std::wstring AnsiToWide(std::string_view text);
// Text in the OEM code page (CP_OEMCP), up to the first zero code unit.
std::string WideToAnsi(std::wstring_view text);
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string GuidToText(const GUID& guid);
// The GUID written as braced text; all zero when the text is not one.
GUID TextToGuid(std::string_view text);
