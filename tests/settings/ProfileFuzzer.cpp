// libFuzzer target for the settings parser and editor, built on demand (target
// settings_fuzzer). The first bytes choose an edit; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/settings/ProfileDocument.h"
#include "app/settings/Utf.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t valueLength = static_cast<std::uint8_t>(input[0]) % 32;
  if (input.size() < 2 + valueLength) return 0;
  const bool remove = input[1] & 1;
  const std::wstring value = utf::FromUtf8(input.substr(2, valueLength));
  const std::string_view file = input.substr(2 + valueLength);

  auto document = settings::ProfileDocument::Parse(file);
  if (!document) return 0;
  const bool utf16 = document->encoding() == settings::TextEncoding::Utf16Le ||
                     document->encoding() == settings::TextEncoding::Utf16Be;
  if (!utf16 || file.size() % 2 == 0) Require(document->Serialize() == file);

  const auto other = document->Find(L"hotkey", L"btn1");
  if (remove) {
    document->Remove(L"music", L"name1");
    Require(!document->Find(L"music", L"name1"));
  } else if (document->Set(L"music", L"name1", value)) {
    const auto again = settings::ProfileDocument::Parse(document->Serialize());
    Require(again.has_value());
    const auto stored = again->Find(L"music", L"name1");
    Require(stored.has_value() && stored->find_first_of(L"\r\n") == std::wstring::npos);
    Require(value.find_first_of(std::wstring_view(L"\r\n\0", 3)) != std::wstring::npos || *stored == value);
    Require(again->Find(L"hotkey", L"btn1") == other);
  } else {
    Require(document->Serialize() == file || (utf16 && file.size() % 2 == 1));
  }
  return 0;
}
