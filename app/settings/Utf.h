#pragma once
#include <string>
#include <string_view>

// Unicode transforms the settings engine needs besides GBK. std::wstring is UTF-16 on Windows
// and UTF-32 on Linux; these hide the difference so the engine builds and is tested in both.
namespace utf {

inline constexpr char32_t kReplacement = 0xFFFD;

// Reads the code point at text[pos] and moves pos past it. A lone surrogate reads as itself.
char32_t Next(std::wstring_view text, std::size_t& pos);
void Append(std::wstring& text, char32_t codePoint);

// Malformed input becomes U+FFFD; *clean (when given) tells whether any did.
std::wstring FromUtf8(std::string_view bytes, bool* clean = nullptr);
std::string ToUtf8(std::wstring_view text);

// A trailing odd byte is dropped; unpaired surrogates are kept where wchar_t is 16-bit.
std::wstring FromUtf16(std::string_view bytes, bool bigEndian, bool* clean = nullptr);
std::string ToUtf16(std::wstring_view text, bool bigEndian);

}  // namespace utf
