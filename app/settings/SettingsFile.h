#pragma once
#include <cstddef>
#include <string>

// The settings file engine: sectioned key/value text in the private-profile format, GBK on disk
// (a UTF-16LE file with a BOM is read too, and written only when a value has no GBK form; a
// file with a UTF-8 or UTF-16BE BOM is read and kept in its encoding).
// Nothing is cached: every call reads the file; every change replaces it atomically.
namespace settings {

// Values longer than this many GBK bytes are cut, on a character boundary.
inline constexpr std::size_t kMaxValueBytes = 10239;
// A larger file is not a settings file: it reads as defaults and is never rewritten. Every
// value the board stores at its longest still fits three times over.
inline constexpr std::size_t kMaxFileBytes = 2u << 20;

// Read gives the stored value, else the fallback (also when the file is missing, unreadable,
// too large or not text). Write and Remove return false when the file stays as it was because
// it could not be read or replaced, a name cannot be stored, or the result would be too large.
// Line breaks in a value are stored as blanks, so a value can never start a new line.

std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                  const std::wstring& fallback);
bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
           const std::wstring& value);
bool Remove(const std::wstring& file, const std::wstring& section, const std::wstring& key);

}  // namespace settings
