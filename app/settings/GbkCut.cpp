#include "app/settings/Gbk.h"

#include "app/settings/Utf.h"

namespace gbk {
namespace {

// GBK bytes of one character. One without a GBK form counts as the bytes it would take in a
// wider Chinese encoding (two, four beyond the BMP), so a cut never gets longer than a GBK one.
std::size_t CharBytes(std::wstring_view character, char32_t codePoint) {
  if (codePoint < 0x80) return 1;
  if (auto bytes = Encode(character)) return bytes->size();
  return codePoint >= 0x10000 ? 4 : 2;
}

}  // namespace

std::wstring CutToBytes(std::wstring_view text, std::size_t maxBytes) {
  // A character takes at most four bytes, two per unit where wchar_t is UTF-16: short text
  // needs no count.
  constexpr std::size_t kMaxBytesPerUnit = sizeof(wchar_t) == 2 ? 2 : 4;
  if (text.size() <= maxBytes / kMaxBytesPerUnit) return std::wstring(text);
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t next = pos;
    const char32_t codePoint = utf::Next(text, next);
    const std::size_t bytes = CharBytes(text.substr(pos, next - pos), codePoint);
    if (used + bytes > maxBytes) break;
    used += bytes;
    pos = next;
  }
  return std::wstring(text.substr(0, pos));
}

}  // namespace gbk
