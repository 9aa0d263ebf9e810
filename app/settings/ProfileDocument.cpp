#include "app/settings/ProfileDocument.h"

#include <algorithm>

#include "app/settings/Gbk.h"
#include "app/settings/Utf.h"

namespace settings {
namespace {

// The blanks the private-profile reader trims: ASCII white space and ^Z, the DOS end-of-file
// mark that old editors leave behind.
bool IsBlank(wchar_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

std::wstring_view TrimLeft(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::wstring_view TrimRight(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring_view Trim(std::wstring_view text) { return TrimLeft(TrimRight(text)); }

// Case folding for name matching: ASCII, Latin-1, Greek, Cyrillic and full-width Latin, the
// letters a settings name could plausibly hold.
wchar_t Fold(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
      (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A))
    return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
  return c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
           return Fold(x) == Fold(y);
         });
}

struct Shape {
  enum Kind { Other, Section, Key } kind = Other;
  std::wstring_view name;
  std::wstring_view value;
};

Shape Classify(std::wstring_view text) {
  const std::wstring_view line = Trim(text);
  if (line.empty()) return {};
  if (line.front() == L'[') {
    // The name ends at the last "]"; a header without one is read as an ordinary line.
    const std::size_t close = line.rfind(L']');
    if (close != std::wstring_view::npos) return {Shape::Section, Trim(line.substr(1, close - 1)), {}};
  }
  const std::size_t equals = line.find(L'=');
  if (equals == std::wstring_view::npos) return {};
  return {Shape::Key, TrimRight(line.substr(0, equals)), TrimLeft(line.substr(equals + 1))};
}

bool IsQuote(wchar_t c) { return c == L'"' || c == L'\''; }

// A reader drops one pair of matching quotes around a value.
std::wstring_view Unquote(std::wstring_view stored) {
  if (stored.size() >= 2 && IsQuote(stored.front()) && stored.back() == stored.front())
    return stored.substr(1, stored.size() - 2);
  return stored;
}

// What goes after "=": never a line break (that would start a new line, and with it possibly
// a new key or section), so each one becomes a blank; a NUL ends the value, as it would for
// any Windows caller. Quotes go around it when blanks at its ends or quotes around it would
// otherwise be lost to the reader, so every value reads back as written.
std::wstring StoredForm(std::wstring_view value) {
  value = value.substr(0, value.find(L'\0'));
  std::wstring stored;
  stored.reserve(value.size() + 2);
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == L'\r' || value[i] == L'\n') {
      if (value[i] == L'\r' && i + 1 < value.size() && value[i + 1] == L'\n') ++i;
      stored += L' ';
    } else {
      stored += value[i];
    }
  }
  const bool needsQuotes = !stored.empty() && (IsBlank(stored.front()) || IsBlank(stored.back()) ||
                                               Unquote(stored).size() != stored.size());
  return needsQuotes ? L'"' + stored + L'"' : stored;
}

bool HasAny(std::wstring_view text, std::wstring_view characters) {
  return text.find_first_of(characters) != std::wstring_view::npos;
}

bool IsStorableSection(std::wstring_view name) {
  return !name.empty() && !HasAny(name, std::wstring_view(L"\r\n]\0", 4));
}

// A key must not read back as a section, a comment or another key.
bool IsStorableKey(std::wstring_view name) {
  return !name.empty() && name.front() != L'[' && name.front() != L';' &&
         !HasAny(name, std::wstring_view(L"\r\n=\0", 4));
}

std::string EncodeAscii(std::wstring_view text, TextEncoding encoding) {
  std::string narrow(text.begin(), text.end());
  if (encoding != TextEncoding::Utf16Le && encoding != TextEncoding::Utf16Be) return narrow;
  return utf::ToUtf16(text, encoding == TextEncoding::Utf16Be);
}

std::string_view ByteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8: return "\xEF\xBB\xBF";
    case TextEncoding::Utf16Le: return "\xFF\xFE";
    case TextEncoding::Utf16Be: return "\xFE\xFF";
    case TextEncoding::Gbk: break;
  }
  return {};
}

std::size_t UnitSize(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be ? 2 : 1;
}

// The code unit at byte offset i (one byte, or two in UTF-16).
unsigned UnitAt(std::string_view bytes, std::size_t i, TextEncoding encoding) {
  const unsigned first = static_cast<unsigned char>(bytes[i]);
  if (encoding == TextEncoding::Utf16Le) return first | static_cast<unsigned char>(bytes[i + 1]) << 8;
  if (encoding == TextEncoding::Utf16Be) return first << 8 | static_cast<unsigned char>(bytes[i + 1]);
  return first;
}

std::wstring DecodeLine(std::string_view bytes, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Gbk: return gbk::Decode(bytes);
    case TextEncoding::Utf8: return utf::FromUtf8(bytes);
    case TextEncoding::Utf16Le: return utf::FromUtf16(bytes, false);
    case TextEncoding::Utf16Be: return utf::FromUtf16(bytes, true);
  }
  return {};
}

}  // namespace

// Where a key is, or would go.
struct ProfileDocument::Place {
  std::optional<std::size_t> header;   // the section's header line
  std::size_t insertAt = 0;            // where a new key of the section goes
  std::vector<std::size_t> keys;       // lines of the key in that section, first one counts
};

std::optional<ProfileDocument> ProfileDocument::Parse(std::string_view bytes) {
  ProfileDocument document;
  for (TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
    const std::string_view mark = ByteOrderMark(encoding);
    if (bytes.substr(0, mark.size()) == mark) {
      document.encoding_ = encoding;
      bytes.remove_prefix(mark.size());
      break;
    }
  }
  const TextEncoding encoding = document.encoding_;
  const std::size_t unit = UnitSize(encoding);
  // A cut-off UTF-16 file ends in half a character; it carries nothing and is left out.
  bytes = bytes.substr(0, bytes.size() - bytes.size() % unit);

  // A line ends at CR LF, LF or a lone CR, as the Windows reader has it.
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); i += unit) {
    const unsigned c = UnitAt(bytes, i, encoding);
    if (c == 0) return std::nullopt;
    const bool last = i + unit == bytes.size();
    if (c != '\n' && c != '\r' && !last) continue;
    Line line;
    line.bytes.assign(bytes.substr(start, (c == '\n' || c == '\r' ? i : i + unit) - start));
    line.text = DecodeLine(line.bytes, encoding);
    if (c == '\r' && !last && UnitAt(bytes, i + unit, encoding) == '\n') {
      line.lineBreak = L"\r\n";
      i += unit;
    } else if (c == '\n' || c == '\r') {
      line.lineBreak = c == '\n' ? L"\n" : L"\r";
    }
    document.lines_.push_back(std::move(line));
    start = i + unit;
  }
  return document;
}

ProfileDocument::Place ProfileDocument::Locate(std::wstring_view section, std::wstring_view key) const {
  Place place;
  section = Trim(section);
  key = Trim(key);
  // Lines before the first header form a section of their own, named "".
  if (section.empty()) place.header.emplace(0);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Shape shape = Classify(lines_[i].text);
    if (shape.kind == Shape::Section) {
      if (place.header) break;
      if (SameName(shape.name, section)) {
        place.header = i;
        place.insertAt = i + 1;
      }
    } else if (place.header && shape.kind == Shape::Key) {
      place.insertAt = i + 1;
      if (SameName(shape.name, key)) place.keys.push_back(i);
    }
  }
  return place;
}

std::optional<std::wstring> ProfileDocument::Find(std::wstring_view section, std::wstring_view key) const {
  const Place place = Locate(section, key);
  if (place.keys.empty() || Trim(key).empty()) return std::nullopt;
  return std::wstring(Unquote(Classify(lines_[place.keys.front()].text).value));
}

std::wstring ProfileDocument::NewLineBreak() const {
  for (const Line& line : lines_)
    if (!line.lineBreak.empty()) return line.lineBreak;
  return L"\r\n";
}

std::optional<std::string> ProfileDocument::EncodeLine(std::wstring_view text, TextEncoding encoding) const {
  switch (encoding) {
    case TextEncoding::Gbk: return gbk::Encode(text);
    case TextEncoding::Utf8: return utf::ToUtf8(text);
    case TextEncoding::Utf16Le: return utf::ToUtf16(text, false);
    case TextEncoding::Utf16Be: return utf::ToUtf16(text, true);
  }
  return std::nullopt;
}

bool ProfileDocument::SwitchToUtf16() {
  std::vector<std::string> converted;
  converted.reserve(lines_.size());
  for (const Line& line : lines_) {
    // Bytes that were never GBK have no faithful UTF-16 form: keep the file as it is instead.
    const std::optional<std::string> again = gbk::Encode(line.text);
    if (!again || *again != line.bytes) return false;
    converted.push_back(utf::ToUtf16(line.text, false));
  }
  for (std::size_t i = 0; i < lines_.size(); ++i) lines_[i].bytes = std::move(converted[i]);
  encoding_ = TextEncoding::Utf16Le;
  return true;
}

bool ProfileDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
  section = Trim(section);
  key = Trim(key);
  if (!IsStorableSection(section) || !IsStorableKey(key)) return false;
  const std::wstring stored = StoredForm(value);
  const Place place = Locate(section, key);

  // The lines to write, and where: a replaced key line, or new lines at one place.
  std::vector<std::wstring> texts;
  std::size_t at = lines_.size();
  if (!place.keys.empty()) {
    at = place.keys.front();
    texts.push_back(std::wstring(Classify(lines_[at].text).name) + L'=' + stored);
  } else {
    if (place.header) {
      at = place.insertAt;
    } else {
      texts.push_back(L'[' + std::wstring(section) + L']');
    }
    texts.push_back(std::wstring(key) + L'=' + stored);
  }

  std::vector<std::string> encoded;
  for (const std::wstring& text : texts) {
    std::optional<std::string> bytes = EncodeLine(text, encoding_);
    if (!bytes && encoding_ == TextEncoding::Gbk) {
      if (!SwitchToUtf16()) return false;
      return Set(section, key, value);
    }
    if (!bytes) return false;
    encoded.push_back(std::move(*bytes));
  }

  if (!place.keys.empty()) {
    lines_[at].bytes = std::move(encoded.front());
    lines_[at].text = std::move(texts.front());
    return true;
  }
  const std::wstring lineBreak = NewLineBreak();
  if (at > 0 && lines_[at - 1].lineBreak.empty()) lines_[at - 1].lineBreak = lineBreak;
  std::vector<Line> added;
  for (std::size_t i = 0; i < texts.size(); ++i) added.push_back({std::move(encoded[i]), std::move(texts[i]), lineBreak});
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::make_move_iterator(added.begin()),
                std::make_move_iterator(added.end()));
  return true;
}

bool ProfileDocument::Remove(std::wstring_view section, std::wstring_view key) {
  if (Trim(key).empty()) return false;
  const Place place = Locate(section, key);
  for (auto line = place.keys.rbegin(); line != place.keys.rend(); ++line)
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  return !place.keys.empty();
}

std::string ProfileDocument::Serialize() const {
  std::string bytes(ByteOrderMark(encoding_));
  for (const Line& line : lines_) {
    bytes += line.bytes;
    bytes += EncodeAscii(line.lineBreak, encoding_);
  }
  return bytes;
}

}  // namespace settings
