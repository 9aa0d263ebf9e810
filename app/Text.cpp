#include "Text.h"

#include <climits>

namespace text {
namespace {

wchar_t FoldWidth(wchar_t c) {
  if (c == 0x3000) return L' ';                       // ideographic space
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;  // full-width ASCII block
  return c;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

}  // namespace

int ToInt(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(FoldWidth(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (FoldWidth(text[i]) == L'+' || FoldWidth(text[i]) == L'-')) {
    negative = FoldWidth(text[i]) == L'-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size(); ++i) {
    const wchar_t c = FoldWidth(text[i]);
    if (c < L'0' || c > L'9') break;
    if (value <= static_cast<long long>(INT_MAX) + 1) value = value * 10 + (c - L'0');
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view separator, int maxParts) {
  std::vector<std::wstring> parts;
  if (maxParts <= 0) return parts;
  while (static_cast<int>(parts.size()) + 1 < maxParts && !separator.empty()) {
    const auto at = text.find(separator);
    if (at == std::wstring_view::npos) break;
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  parts.emplace_back(text);
  return parts;
}

std::wstring Left(std::wstring_view text, int count) {
  if (count <= 0) return {};
  return std::wstring(text.substr(0, static_cast<std::size_t>(count)));
}

std::wstring Middle(std::wstring_view text, int start, int count) {
  if (start < 1 || count <= 0 || static_cast<std::size_t>(start) > text.size()) return {};
  return std::wstring(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

int Find(std::wstring_view text, std::wstring_view what) {
  const auto at = text.find(what);
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at) + 1;
}

int FindLast(std::wstring_view text, std::wstring_view what) {
  const auto at = text.rfind(what);
  return at == std::wstring_view::npos ? -1 : static_cast<int>(at) + 1;
}

}  // namespace text
