#pragma once
#include <string>
#include <string_view>
#include <vector>

// The text rules the handlers use. Positions count characters from 1, as the handlers' texts do.
namespace text {

// Full-width digits, signs and blanks fold to their half-width forms; then leading blanks are
// skipped and an optional sign with the leading decimal digits is taken. No digits give 0;
// numbers beyond the 32-bit range stop at its ends.
int ToInt(std::wstring_view text);

// At most maxParts parts; the last part keeps the rest of the text, separators included.
std::vector<std::wstring> Split(std::wstring_view text, std::wstring_view separator, int maxParts);

std::wstring Left(std::wstring_view text, int count);
std::wstring Middle(std::wstring_view text, int start, int count);
// 1-based position of the first (or last) occurrence, -1 when absent.
int Find(std::wstring_view text, std::wstring_view what);
int FindLast(std::wstring_view text, std::wstring_view what);

}  // namespace text
