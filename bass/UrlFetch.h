#pragma once
// Downloads a whole http:// (or https://) body before the stream is made from it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bass {

std::optional<std::vector<std::uint8_t>> FetchUrl(const std::wstring& url, int& error);

}  // namespace bass
