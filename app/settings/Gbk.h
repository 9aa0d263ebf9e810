#pragma once
#include <optional>
#include <string>
#include <string_view>

// Code page 936, the encoding of the settings file and of every byte count the program keeps.
namespace gbk {

// Bytes that are not GBK become U+FFFD.
std::wstring Decode(std::string_view bytes);
// Nothing when some character has no GBK form.
std::optional<std::string> Encode(std::wstring_view text);
// The longest prefix of text whose GBK form fits in maxBytes (never half a character).
std::wstring CutToBytes(std::wstring_view text, std::size_t maxBytes);

}  // namespace gbk
