// Generated files and edits, checked against what must hold for any file: an untouched file
// serializes to its own bytes, a change is seen by the next read, and nothing else changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/settings/Gbk.h"
#include "app/settings/ProfileDocument.h"

namespace {

using settings::ProfileDocument;

const std::vector<std::wstring> kSections = {L"music", L"MUSIC", L" music", L"hotkey", L"init", L"[x]", L""};
const std::vector<std::wstring> kKeys = {L"volume", L"Volume ", L"name1", L"btn12", L"btn120", L"file1"};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  std::size_t Pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_); }

  std::wstring Value() {
    static const std::vector<std::wstring> pieces = {L"a", L" ", L"\t", L"\"", L"'", L"=", L"[", L"]", L";",
                                                     L"\r", L"\n", L"\r\n", L"音", L"遊戲", L"\U0001F600", L"0,5"};
    std::wstring value;
    for (std::size_t n = Pick(8); n > 0; --n) value += pieces[Pick(pieces.size())];
    return value;
  }

  std::string File() {
    static const std::vector<std::string> breaks = {"\r\n", "\n", "\r", ""};
    std::string file = Pick(6) == 0 ? "\xEF\xBB\xBF" : "";
    for (std::size_t n = Pick(12); n > 0; --n) {
      switch (Pick(7)) {
        case 0: file += Narrow(L"[" + kSections[Pick(kSections.size())] + L"]"); break;
        case 1: file += "; comment=1"; break;
        case 2: file += std::string(Pick(3), ' ') + "\x81\x20\xD2\xF4"; break;  // some not GBK
        default: {
          file += Narrow(kKeys[Pick(kKeys.size())]);
          file += std::string(Pick(2), ' ') + (Pick(5) ? "=" : "") + std::string(Pick(2), '\t');
          std::wstring value = Value();
          std::erase_if(value, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
          file += Narrow(value);
        }
      }
      file += breaks[Pick(breaks.size())];
    }
    return file;
  }

 private:
  static std::string Narrow(const std::wstring& text) { return gbk::Encode(text).value_or("?"); }
  std::mt19937 random_;
};

std::wstring Canonical(std::wstring name) {
  const auto blank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  while (!name.empty() && blank(name.back())) name.pop_back();
  while (!name.empty() && blank(name.front())) name.erase(0, 1);
  std::transform(name.begin(), name.end(), name.begin(), [](wchar_t c) { return std::towlower(c); });
  return name;
}

using Snapshot = std::map<std::pair<std::wstring, std::wstring>, std::optional<std::wstring>>;

Snapshot Everything(const ProfileDocument& document) {
  Snapshot snapshot;
  for (const std::wstring& section : kSections)
    for (const std::wstring& key : kKeys) snapshot[{Canonical(section), Canonical(key)}] = document.Find(section, key);
  return snapshot;
}

std::wstring WithoutLineBreaks(const std::wstring& value) {
  std::wstring out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == L'\r' && i + 1 < value.size() && value[i + 1] == L'\n') continue;
    out += value[i] == L'\r' || value[i] == L'\n' ? L' ' : value[i];
  }
  return out;
}

TEST(ProfileProperties, GeneratedFilesAndEdits) {
  Generator generate(20261211);
  for (int round = 0; round < 1000; ++round) {
    const std::string file = generate.File();
    SCOPED_TRACE(testing::Message() << "round " << round << ": " << testing::PrintToString(file));
    std::optional<ProfileDocument> parsed = ProfileDocument::Parse(file);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->Serialize(), file);

    ProfileDocument document = *parsed;
    Snapshot expected = Everything(document);
    const std::wstring& section = kSections[generate.Pick(kSections.size())];
    const std::wstring& key = kKeys[generate.Pick(kKeys.size())];
    const std::pair<std::wstring, std::wstring> changed{Canonical(section), Canonical(key)};
    if (generate.Pick(4) == 0) {
      document.Remove(section, key);
      expected[changed] = std::nullopt;
    } else {
      const std::wstring value = generate.Value();
      if (document.Set(section, key, value)) {
        expected[changed] = WithoutLineBreaks(value);
      } else {
        ASSERT_EQ(document.Serialize(), file);
      }
    }
    EXPECT_EQ(Everything(document), expected);
    // What was written reads back the same from the bytes.
    std::optional<ProfileDocument> again = ProfileDocument::Parse(document.Serialize());
    ASSERT_TRUE(again);
    EXPECT_EQ(Everything(*again), expected);
  }
}

TEST(ProfileProperties, RandomBytesNeverBreakTheParser) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(std::uniform_int_distribution<std::size_t>(0, 300)(random), '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() % 256);
    if (round % 3 == 0) bytes.insert(0, round % 2 ? "\xFF\xFE" : "\xFE\xFF");
    std::optional<ProfileDocument> document = ProfileDocument::Parse(bytes);
    if (!document) continue;
    document->Find(L"music", L"volume");
    document->Set(L"music", L"volume", L"5");
    document->Remove(L"hotkey", L"btn1");
    (void)document->Serialize();
  }
}

}  // namespace
