// GBK through the system's code page 936 tables, whatever the user's own ANSI code page is.
#include "app/settings/Gbk.h"

#include <windows.h>

namespace gbk {
namespace {

constexpr UINT kCodePage = 936;

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Strict conversion: false when any byte sequence is not GBK.
bool DecodeStrict(std::string_view bytes, std::wstring& out) {
  out.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  out.resize(length);
  return MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, out.data(), length) == length;
}

}  // namespace

std::wstring Decode(std::string_view bytes) {
  std::wstring text;
  if (DecodeStrict(bytes, text)) return text;
  // Some sequence is broken: go character by character so only it turns into U+FFFD.
  text.clear();
  std::wstring piece;
  for (std::size_t i = 0; i < bytes.size();) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i]);
    const std::size_t length =
        IsLeadByte(byte) && i + 1 < bytes.size() && IsTrailByte(static_cast<unsigned char>(bytes[i + 1])) ? 2 : 1;
    if (DecodeStrict(bytes.substr(i, length), piece)) {
      text += piece;
    } else {
      text += L'\xFFFD';
    }
    i += length;
  }
  return text;
}

std::optional<std::string> Encode(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int size = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                         nullptr, &usedDefault);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string bytes(length, '\0');
  if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length, nullptr,
                          &usedDefault) != length ||
      usedDefault)
    return std::nullopt;
  // A character that comes back as another one has no GBK form of its own.
  if (Decode(bytes) != text) return std::nullopt;
  return bytes;
}

}  // namespace gbk
