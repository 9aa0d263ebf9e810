#pragma once
// The library hands out device texts as UTF-8; the program keeps UTF-16.
#include <string>
#include <string_view>

// Malformed bytes become U+FFFD.
std::wstring FromUtf8(std::string_view text);
