#include "app/settings/Utf.h"

namespace utf {
namespace {

constexpr bool kWide16 = sizeof(wchar_t) == 2;

bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void PutUnit(std::string& out, unsigned unit, bool bigEndian) {
  const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
  out += bigEndian ? high : low;
  out += bigEndian ? low : high;
}

}  // namespace

char32_t Next(std::wstring_view text, std::size_t& pos) {
  char32_t c = static_cast<char32_t>(text[pos++]);
  if (kWide16) c &= 0xFFFF;
  if (IsHighSurrogate(c) && pos < text.size()) {
    const char32_t low = static_cast<char32_t>(text[pos]) & 0xFFFF;
    if (IsLowSurrogate(low)) {
      ++pos;
      return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    }
  }
  return c;
}

void Append(std::wstring& text, char32_t codePoint) {
  if (kWide16 && codePoint >= 0x10000) {
    codePoint -= 0x10000;
    text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
    text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
  } else {
    text += static_cast<wchar_t>(codePoint);
  }
}

std::wstring FromUtf8(std::string_view bytes, bool* clean) {
  std::wstring out;
  out.reserve(bytes.size());
  bool ok = true;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
                    : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0) {
      ok = false;
      Append(out, kReplacement);
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    int taken = 0;
    while (taken < extra && i + 1 + taken < bytes.size() &&
           (static_cast<unsigned char>(bytes[i + 1 + taken]) & 0xC0) == 0x80) {
      c = (c << 6) | (static_cast<unsigned char>(bytes[i + 1 + taken]) & 0x3F);
      ++taken;
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8 either.
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    const bool valid = taken == extra && c >= kMinimum[extra] && c <= 0x10FFFF &&
                       !(c >= 0xD800 && c <= 0xDFFF);
    if (!valid) {
      ok = false;
      c = kReplacement;
    }
    Append(out, c);
    i += 1 + taken;
  }
  if (clean) *clean = ok;
  return out;
}

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t c = Next(text, pos);
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kReplacement;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf16(std::string_view bytes, bool bigEndian, bool* clean) {
  std::wstring units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = static_cast<unsigned char>(bytes[i]);
    const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<wchar_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
  }
  bool ok = bytes.size() % 2 == 0;
  if (kWide16) {
    if (clean) {
      // Unpaired surrogates survive on Windows, but they are still not clean text.
      for (std::size_t pos = 0; pos < units.size();) {
        const char32_t c = Next(units, pos);
        if (c >= 0xD800 && c <= 0xDFFF) ok = false;
      }
      *clean = ok;
    }
    return units;
  }
  std::wstring out;
  out.reserve(units.size());
  for (std::size_t pos = 0; pos < units.size();) {
    char32_t c = Next(units, pos);
    if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;
      ok = false;
    }
    Append(out, c);
  }
  if (clean) *clean = ok;
  return out;
}

std::string ToUtf16(std::wstring_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t pos = 0; pos < text.size();) {
    char32_t c = Next(text, pos);
    if (c > 0x10FFFF) c = kReplacement;
    if (c >= 0x10000) {
      c -= 0x10000;
      PutUnit(out, 0xD800 + (c >> 10), bigEndian);
      PutUnit(out, 0xDC00 + (c & 0x3FF), bigEndian);
    } else {
      PutUnit(out, c, bigEndian);
    }
  }
  return out;
}

}  // namespace utf
