#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

enum class TextEncoding { Gbk, Utf8, Utf16Le, Utf16Be };

// A settings file held as its lines, each kept as the bytes it was read as, so that a change
// rewrites only the lines it touches and everything else (comments, unknown keys, other
// sections, line breaks) stays as it was.
//
// Finding follows the Windows private-profile rules: lines end at CR LF, LF or CR; names are
// trimmed (also inside the brackets) and matched without regard to case; the first section of
// a name is the one that counts and the first key in it; keys before any section form the
// section named ""; a value loses the blanks around it and one pair of matching quotes. Unlike
// the Windows reader, a line without "=" is no key at all, so it cannot hide a later one.
class ProfileDocument {
 public:
  // A new, empty file: GBK, CRLF line breaks.
  ProfileDocument() = default;
  // Nothing when the bytes are not text (they hold a NUL character).
  static std::optional<ProfileDocument> Parse(std::string_view bytes);

  TextEncoding encoding() const { return encoding_; }

  std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;
  // Creates section and key as needed. Line breaks in the value become blanks; the value is
  // quoted when a reader would otherwise lose its outer blanks or quotes. A value with no GBK
  // form switches a GBK file to UTF-16LE. False, with nothing changed, when a name cannot be
  // stored or a line of the file would not survive that switch.
  bool Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);
  // Removes the key (every copy of it in the section that counts). True when one was there.
  bool Remove(std::wstring_view section, std::wstring_view key);

  std::string Serialize() const;

 private:
  struct Line {
    std::string bytes;       // content as stored, without its line break
    std::wstring text;       // content decoded
    std::wstring lineBreak;  // L"\r\n", L"\n", L"\r", or empty for a last line without one
  };
  struct Place;

  Place Locate(std::wstring_view section, std::wstring_view key) const;
  std::wstring NewLineBreak() const;
  std::optional<std::string> EncodeLine(std::wstring_view text, TextEncoding encoding) const;
  bool SwitchToUtf16();

  TextEncoding encoding_ = TextEncoding::Gbk;
  std::vector<Line> lines_;
};

}  // namespace settings
