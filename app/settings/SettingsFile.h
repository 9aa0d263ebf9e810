#pragma once
#include <cstddef>
#include <string>

// The settings file engine: sectioned key/value text in the private-profile format, GBK on disk
// (a UTF-16LE file with a BOM is read too, and written only when a value has no GBK form).
// Nothing is cached: every call reads the file; every change replaces it atomically.
namespace settings {

// Values longer than this many GBK bytes are cut, on a character boundary.
inline constexpr std::size_t kMaxValueBytes = 10239;

std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                  const std::wstring& fallback);
bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
           const std::wstring& value);
bool Remove(const std::wstring& file, const std::wstring& section, const std::wstring& key);

}  // namespace settings
