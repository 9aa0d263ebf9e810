#include "Utf8.h"

#include <cstdint>

namespace {

void Append(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (c >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (c & 0x3FF)));
      return;
    }
  }
  out.push_back(static_cast<wchar_t>(c));
}

}  // namespace

std::wstring FromUtf8(std::string_view text) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = extra >= 0 && i + extra < text.size() + (extra == 0);
    for (int k = 1; ok && k <= extra; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      ok = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed too.
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (ok && (c < kMin[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) ok = false;
    if (!ok) {
      out.push_back(L'\uFFFD');
      ++i;
      continue;
    }
    Append(out, c);
    i += 1 + extra;
  }
  return out;
}
