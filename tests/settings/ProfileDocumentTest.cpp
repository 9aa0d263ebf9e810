#include "app/settings/ProfileDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace std::string_literals;
using namespace std::string_view_literals;

namespace {

using settings::ProfileDocument;
using settings::TextEncoding;

ProfileDocument Parsed(std::string_view bytes) {
  std::optional<ProfileDocument> document = ProfileDocument::Parse(bytes);
  EXPECT_TRUE(document.has_value());
  return document.value_or(ProfileDocument());
}

std::optional<std::wstring> Find(std::string_view bytes, const wchar_t* section, const wchar_t* key) {
  return Parsed(bytes).Find(section, key);
}

// The reading rules, on the kinds of file people edit by hand.
TEST(ProfileRead, TrickyFiles) {
  const struct {
    const char* name;
    std::string_view file;
    const wchar_t* section;
    const wchar_t* key;
    std::optional<std::wstring> expected;
  } cases[] = {
      {"plain", "[music]\r\nvolume=50\r\n", L"music", L"volume", L"50"},
      {"blanks around names and =", "  [music]  \r\n \t volume \t=  50 \t\r\n", L"music", L"volume", L"50"},
      {"blanks in the request", "[music]\r\nvolume=50\r\n", L" music ", L" volume\t", L"50"},
      {"blanks inside brackets", "[ music ]\r\nvolume=50\r\n", L"music", L"volume", L"50"},
      {"case of section and key", "[MUSIC]\r\nVoLuMe=50\r\n", L"music", L"VOLUME", L"50"},
      {"comment lines", "; [music]\r\n[music]\r\n; volume=1\r\nvolume=2\r\n", L"music", L"volume", L"2"},
      {"text after the bracket", "[music] ; sounds\r\nvolume=3\r\n", L"music", L"volume", L"3"},
      {"first of duplicate sections", "[music]\r\nvolume=1\r\n[music]\r\nvolume=2\r\n", L"music", L"volume", L"1"},
      {"second duplicate section unseen", "[music]\r\na=1\r\n[music]\r\nvolume=2\r\n", L"music", L"volume",
       std::nullopt},
      {"first of duplicate keys", "[music]\r\nvolume=1\r\nVOLUME=2\r\n", L"music", L"volume", L"1"},
      {"no final line break", "[music]\r\nvolume=7", L"music", L"volume", L"7"},
      {"empty value", "[music]\r\nvolume=\r\n", L"music", L"volume", L""},
      {"blank value", "[music]\r\nvolume=   \r\n", L"music", L"volume", L""},
      {"double quotes", "[music]\r\nname1=\" a b \"\r\n", L"music", L"name1", L" a b "},
      {"single quotes", "[music]\r\nname1='x'\r\n", L"music", L"name1", L"x"},
      {"mismatched quotes stay", "[music]\r\nname1=\"x'\r\n", L"music", L"name1", L"\"x'"},
      {"lone quote stays", "[music]\r\nname1=\"\r\n", L"music", L"name1", L"\""},
      {"only one pair goes", "[music]\r\nname1=\"\"x\"\"\r\n", L"music", L"name1", L"\"x\""},
      {"inner quotes stay", "[music]\r\nname1=a \"b\" c\r\n", L"music", L"name1", L"a \"b\" c"},
      {"LF line breaks", "[music]\nvolume=8\n[init]\nwriteFile=1\n", L"init", L"writeFile", L"1"},
      {"mixed line breaks", "[music]\r\nvolume=8\n[init]\r\nwriteFile=1", L"music", L"volume", L"8"},
      {"key before any section", "volume=9\r\n[music]\r\n", L"music", L"volume", std::nullopt},
      {"keys before any section are section \"\"", "volume=9\r\n[music]\r\n", L"", L"volume", L"9"},
      {"lone CR ends a line", "[m]\rk=1\r[x]\rk=2", L"x", L"k", L"2"},
      {"line without =", "[music]\r\nvolume\r\nvolume=5\r\n", L"music", L"volume", L"5"},
      {"header without ]", "[music]\r\n[hotkey\r\nvolume=5\r\n", L"music", L"volume", L"5"},
      {"= in the value", "[hotkey]\r\nbtn1=a=b\r\n", L"hotkey", L"btn1", L"a=b"},
      {"blanks inside a key", "[music]\r\nmy key = v\r\n", L"music", L"my key", L"v"},
      {"key is whole, not a prefix", "[hotkey]\r\nbtn120=65,1\r\n", L"hotkey", L"btn12", std::nullopt},
      {"no such section", "[music]\r\nvolume=1\r\n", L"hotkey", L"volume", std::nullopt},
      {"empty section name never matches", "[]\r\nvolume=1\r\n", L"", L"volume", std::nullopt},
      {"empty key never matches", "[music]\r\n=1\r\n", L"music", L"", std::nullopt},
      {"DOS end-of-file mark", "[music]\r\nvolume=4\x1A", L"music", L"volume", L"4"},
      {"empty file", "", L"music", L"volume", std::nullopt},
      {"GBK caption", "[music]\r\nname1=\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8\r\n", L"music", L"name1", L"遊戲結束"},
      {"UTF-8 with BOM", "\xEF\xBB\xBF[music]\r\nname1=\xE9\x81\x8A\r\n", L"music", L"name1", L"遊"},
      {"UTF-16LE with BOM", "\xFF\xFE[\0m\0]\0\r\0\n\0k\0=\0\x4A\x90"sv, L"m", L"k", L"遊"},
      {"UTF-16BE with BOM", "\xFE\xFF\0[\0m\0]\0\n\0k\0=\x90\x4A"sv, L"m", L"k", L"遊"},
      {"UTF-16 cut in a character", "\xFF\xFE[\0m\0]\0\n\0k\0=\0v\0w"sv, L"m", L"k", L"v"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Find(c.file, c.section, c.key), c.expected);
  }
}

TEST(ProfileRead, TextWithNulIsNoSettingsFile) {
  EXPECT_FALSE(ProfileDocument::Parse("[music]\r\nvolume=1\0\x01\x02"sv));
  EXPECT_FALSE(ProfileDocument::Parse("\xFF\xFE[\0\0\0"sv));
}

TEST(ProfileRead, UnchangedDocumentSerializesToItsBytes) {
  for (std::string_view file : {std::string_view("; c\r\n[a]\nk = v \r\n\r\n[b]\rx=1"),
                                std::string_view("\xEF\xBB\xBF[a]\nk=v"),
                                "\xFF\xFE[\0a\0]\0\r\0\n\0"sv, std::string_view("\x81\x20 junk")}) {
    EXPECT_EQ(Parsed(file).Serialize(), file);
  }
}

std::string AfterSet(std::string_view file, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  ProfileDocument document = Parsed(file);
  EXPECT_TRUE(document.Set(section, key, value));
  return document.Serialize();
}

// A change rewrites its own line only: comments, other sections, unknown keys and the file's
// own line breaks stay.
TEST(ProfileWrite, ChangesOnlyItsOwnLine) {
  const struct {
    const char* name;
    std::string_view before;
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* value;
    std::string_view after;
  } cases[] = {
      {"new file", "", L"init", L"writeFile", L"1", "[init]\r\nwriteFile=1\r\n"},
      {"replace keeps LF and spelling", "; mine\n[Music]\n  Volume = 5 \nx=y\n", L"music", L"volume", L"0",
       "; mine\n[Music]\nVolume=0\nx=y\n"},
      {"add after the section's last key", "[music]\r\nvolume=5\r\n; keep\r\n\r\n[init]\r\nwriteFile=1\r\n",
       L"music", L"passage", L"2", "[music]\r\nvolume=5\r\npassage=2\r\n; keep\r\n\r\n[init]\r\nwriteFile=1\r\n"},
      {"add to an empty section", "[hotkey]\r\n[init]\r\n", L"hotkey", L"btn120", L"65,1",
       "[hotkey]\r\nbtn120=65,1\r\n[init]\r\n"},
      {"new section at the end, file's line break", "[init]\nwriteFile=1", L"music", L"volume", L"0",
       "[init]\nwriteFile=1\n[music]\nvolume=0\n"},
      {"into the first of duplicate sections", "[m]\r\nk=1\r\n[m]\r\nk=2\r\n", L"m", L"k", L"3",
       "[m]\r\nk=3\r\n[m]\r\nk=2\r\n"},
      {"header is the last line", "[m]", L"m", L"k", L"1", "[m]\r\nk=1\r\n"},
      {"GBK caption", "", L"music", L"name7", L"遊戲結束",
       "[music]\r\nname7=\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8\r\n"},
      {"CR line breaks stay", "[m]\rk=1", L"m", L"n", L"2", "[m]\rk=1\rn=2\r"},
      {"UTF-8 file stays UTF-8", "\xEF\xBB\xBF[m]\n", L"m", L"k", L"遊", "\xEF\xBB\xBF[m]\nk=\xE9\x81\x8A\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AfterSet(c.before, c.section, c.key, c.value), c.after);
  }
}

TEST(ProfileWrite, LineBreaksInAValueCannotInjectKeys) {
  ProfileDocument document = Parsed("[music]\r\nvolume=5\r\n");
  ASSERT_TRUE(document.Set(L"music", L"name1", L"a\r\n[evil]\r\nk=v\nvolume=1\rx"));
  EXPECT_EQ(document.Serialize(), "[music]\r\nvolume=5\r\nname1=a [evil] k=v volume=1 x\r\n");
  const ProfileDocument again = Parsed(document.Serialize());
  EXPECT_EQ(again.Find(L"evil", L"k"), std::nullopt);
  EXPECT_EQ(again.Find(L"music", L"volume"), L"5");
  EXPECT_EQ(again.Find(L"music", L"name1"), L"a [evil] k=v volume=1 x");
  // A break at the start would leave a blank there: it is kept by quoting.
  ASSERT_TRUE(document.Set(L"music", L"name1", L"\r\n[evil]\r\nk=v"));
  EXPECT_EQ(Parsed(document.Serialize()).Find(L"music", L"name1"), L" [evil] k=v");
}

TEST(ProfileWrite, ValuesReadBackAsWritten) {
  for (const wchar_t* value : {L" padded ", L"\"quoted\"", L"'single'", L"\"", L"'", L"\"x'", L"a \"b\" c", L"\t",
                               L"   ", L"", L"\"\"", L"C:\\音效\\a b.mp3", L"x=y;z", L"[music]"}) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(std::wstring(value).size()));
    ProfileDocument document;
    ASSERT_TRUE(document.Set(L"music", L"name1", value));
    EXPECT_EQ(Parsed(document.Serialize()).Find(L"music", L"name1"), value);
  }
}

TEST(ProfileWrite, NamesThatWouldReadBackAsSomethingElseAreRefused) {
  const struct {
    const wchar_t* section;
    const wchar_t* key;
  } cases[] = {{L"", L"k"}, {L"  ", L"k"}, {L"a]b", L"k"}, {L"a\nb", L"k"}, {L"m", L""},    {L"m", L"a=b"},
               {L"m", L";k"}, {L"m", L"[k"}, {L"m", L"k\r\nx"}};
  for (const auto& c : cases) {
    ProfileDocument document = Parsed("[m]\r\nk=1\r\n");
    EXPECT_FALSE(document.Set(c.section, c.key, L"v"));
    EXPECT_EQ(document.Serialize(), "[m]\r\nk=1\r\n");
  }
}

TEST(ProfileWrite, ValueWithoutGbkFormSwitchesTheWholeFileToUtf16) {
  ProfileDocument document = Parsed("; \xD7\xD4\xB6\xA8\xD2\xE5\n[music]\nname1=\xD2\xF4\n");
  ASSERT_TRUE(document.Set(L"music", L"name2", L"\U0001F600"));
  EXPECT_EQ(document.encoding(), TextEncoding::Utf16Le);
  const std::string bytes = document.Serialize();
  ASSERT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  const ProfileDocument again = Parsed(bytes);
  EXPECT_EQ(again.Find(L"music", L"name1"), L"音");
  EXPECT_EQ(again.Find(L"music", L"name2"), L"\U0001F600");
  // Line breaks and comments come along, in UTF-16.
  EXPECT_EQ(bytes.substr(2, 12), ";\0 \0\xEA\x81\x9A\x5B\x49\x4E\n\0"sv);
}

TEST(ProfileWrite, NoSwitchWhenSomeLineIsNotGbk) {
  // Bytes that are not GBK could not be carried into UTF-16 without loss: keep the file.
  const std::string_view file = "; \x81\x20\r\n[music]\r\n";
  ProfileDocument document = Parsed(file);
  EXPECT_FALSE(document.Set(L"music", L"name1", L"\U0001F600"));
  EXPECT_EQ(document.Serialize(), file);
  EXPECT_TRUE(document.Set(L"music", L"name1", L"ok"));
}

TEST(ProfileRemove, RemovesEveryCopyInTheSectionThatCounts) {
  ProfileDocument document = Parsed("[hotkey]\r\nbtn12=1\r\nbtn120=2\r\nBTN12=3\r\n[hotkey]\r\nbtn12=4\r\n");
  EXPECT_TRUE(document.Remove(L"hotkey", L"btn12"));
  EXPECT_EQ(document.Serialize(), "[hotkey]\r\nbtn120=2\r\n[hotkey]\r\nbtn12=4\r\n");
  EXPECT_EQ(document.Find(L"hotkey", L"btn12"), std::nullopt);
  EXPECT_FALSE(document.Remove(L"hotkey", L"btn12"));
  EXPECT_TRUE(document.Remove(L"hotkey", L"btn120"));
  EXPECT_EQ(document.Serialize(), "[hotkey]\r\n[hotkey]\r\nbtn12=4\r\n");
  EXPECT_FALSE(document.Remove(L"music", L"volume"));
}

}  // namespace
