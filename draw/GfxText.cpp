#include "GfxText.h"

#include <objbase.h>

#include <algorithm>

std::wstring AnsiToWide(std::string_view text) {
  // The view need not end with a terminator, so count from its length rather than -1; the
  // text stops at an embedded zero byte, as text of a C string would.
  text = text.substr(0, std::min(text.size(), text.find('\0')));
  if (text.empty()) return std::wstring();
  const int bytes = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, nullptr, 0);
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), bytes, wide.data(), units);
  return wide;
}

std::string WideToAnsi(std::wstring_view text) {
  text = text.substr(0, std::min(text.size(), text.find(L'\0')));
  if (text.empty()) return std::string();
  const int units = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_OEMCP, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_OEMCP, 0, text.data(), units, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

std::string GuidToText(const GUID& guid) {
  wchar_t text[39] = {};
  StringFromGUID2(guid, text, 39);
  return WideToAnsi(text);
}

GUID TextToGuid(std::string_view text) {
  GUID guid{};
  const std::wstring wide = AnsiToWide(text);
  if (FAILED(CLSIDFromString(wide.c_str(), &guid))) guid = GUID{};
  return guid;
}
