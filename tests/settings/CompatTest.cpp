// Our engine against the system's own private-profile functions: hand-edited files read the
// same through both, and files either side writes read back the same through the other.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "WindowsFiles.h"
#include "app/settings/Gbk.h"
#include "app/settings/SettingsFile.h"
#include "app/settings/Utf.h"

using namespace std::string_literals;

namespace {

const std::wstring kAbsent = L"\x01absent";

std::wstring SystemRead(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  std::vector<wchar_t> buffer(settings::kMaxValueBytes + 1);
  const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), kAbsent.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()), file.c_str());
  return std::wstring(buffer.data(), length);
}

bool HasHighBytes(std::string_view bytes) {
  for (char byte : bytes)
    if (static_cast<unsigned char>(byte) >= 0x80) return true;
  return false;
}

// The system reads a file without a byte-order mark in the user's ANSI code page, which is
// not GBK on every system; it then gets the same text as UTF-16 so both readers see one text.
std::string ForSystemReader(std::string_view bytes) {
  if (GetACP() == 936 || !HasHighBytes(bytes) || bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 3) == "\xEF\xBB\xBF")
    return std::string(bytes);
  return "\xFF\xFE" + utf::ToUtf16(gbk::Decode(bytes), false);
}

const std::wstring kLongWide(300, L'n');
const std::wstring kSections[] = {L"music", L"MUSIC", L" music ", L"hotkey", L"init", L"", L"m", L"x", kLongWide};
const std::wstring kKeys[] = {L"volume", L"VOLUME", L"name1", L"btn12", L"btn120", L"k", L"my key", L"writeFile", kLongWide};

struct Case {
  const char* name;
  std::string file;
};

const std::string kLong(20000, 'v');
const std::string kLongName(300, 'n');

const Case kTrickyFiles[] = {
    {"plain", "[music]\r\nvolume=50\r\nname1=a\r\n"},
    {"blanks around names and =", "  [music]  \r\n \t volume \t=  50 \t\r\n name1= x y \r\n"},
    {"blanks inside brackets", "[ music ]\r\nvolume=50\r\n"},
    {"case", "[MUSIC]\r\nVoLuMe=50\r\n[Hotkey]\r\nBTN12=1\r\n"},
    {"comments", "; [music]\r\n;volume=0\r\n[music]\r\n; volume=1\r\nvolume=2\r\n# name1=3\r\n"},
    {"text after the bracket", "[music] ; sounds\r\nvolume=3\r\n"},
    {"duplicate sections", "[music]\r\nvolume=1\r\n[hotkey]\r\nbtn12=1\r\n[music]\r\nvolume=2\r\nname1=b\r\n"},
    {"duplicate keys", "[music]\r\nvolume=1\r\nVOLUME=2\r\nvolume=3\r\n"},
    {"no final line break", "[music]\r\nvolume=7"},
    {"empty and blank values", "[music]\r\nvolume=\r\nname1=   \r\nk\t=\t\r\n"},
    {"quoted values",
     "[m]\r\nvolume=\"a b\"\r\nname1='x'\r\nbtn12=\"x'\r\nbtn120=\"\r\nk=\"\"x\"\"\r\nmy key=\" pad \"\r\n"},
    {"LF only", "[music]\nvolume=8\n[init]\nwriteFile=1\n"},
    {"mixed line breaks", "[music]\r\nvolume=8\n[init]\r\nwriteFile=1"},
    {"keys before any section", "volume=9\r\nname1=z\r\n[music]\r\nk=1\r\n"},
    {"lines without =", "[music]\r\nname1\r\nvolume=5\r\nname1=n\r\n"},
    {"header without ]", "[music]\r\n[hotkey\r\nvolume=5\r\n"},
    {"= in names and values", "[hotkey]\r\nbtn12=65,1=2\r\n==\r\nk==v\r\n"},
    {"blanks inside a key", "[m]\r\nmy key = v\r\nmy  key=w\r\n"},
    {"key is whole, not a prefix", "[hotkey]\r\nbtn120=65,1\r\n"},
    {"empty section name", "[]\r\nvolume=1\r\n[m]\r\nk=2\r\n"},
    {"section name with ]", "[a]b]\r\nk=1\r\n[m]]\r\nk=2\r\n"},
    {"tabs and DOS end mark", "\t[m]\t\r\n\tk\t=\tv\t\x1A\r\n"},
    {"lone CR", "[m]\rk=1\r\n[x]\r\nk=2\rvolume=3\r\n"},
    {"very long lines", "[m]\r\nk=" + kLong + "\r\nname1=\"" + kLong + "\"\r\n" + kLongName + "=1\r\nvolume=after\r\n[" +
                            kLongName + "]\r\nk=2\r\n"},
    {"empty file", ""},
    {"only blank lines", "\r\n\r\n  \r\n"},
    {"GBK captions", "[music]\r\nname1=\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8\r\nvolume=Cs \xD2\xF4\xD0\xA7\r\n"},
    {"GBK names", "[\xD2\xF4]\r\nk=1\r\n[m]\r\n\xD2\xF4=2\r\nk=\xD2\xF4\r\n"},
    {"UTF-8 with BOM", "\xEF\xBB\xBF[m]\r\nk=\xE9\x81\x8A\r\n"},
    {"UTF-16LE with BOM", "\xFF\xFE[\0m\0]\0\r\0\n\0k\0=\0\x4A\x90\r\0\n\0"s},
    {"UTF-16LE, no final line break", "\xFF\xFE[\0m\0]\0\n\0k\0=\0v\0"s},
    {"UTF-16LE, full-width blank", "\xFF\xFE[\0m\0]\0\n\0k\0=\0\x00\x30v\0\x00\x30\n\0"s},
};

// Where the system's reader does something plainly wrong, or reads differently from real
// Windows, our reader does the sound thing; each such spot is named here with what we give.
struct Deviation {
  const char* file;
  const wchar_t* section;
  const wchar_t* key;
  std::optional<std::wstring> ours;
};
const Deviation kDeviations[] = {
    // A line without "=" is no key, so it cannot hide the real key after it; Wine's reader
    // takes it as a key without a value and gives the default.
    {"lines without =", L"music", L"name1", L"n"},
    {"lines without =", L"MUSIC", L"name1", L"n"},
    {"lines without =", L" music ", L"name1", L"n"},
};

const Deviation* FindDeviation(const char* file, const std::wstring& section, const std::wstring& key) {
  for (const Deviation& d : kDeviations)
    if (std::string_view(d.file) == file && d.section == section && d.key == key) return &d;
  return nullptr;
}

TEST(Compat, TrickyFilesReadAsTheSystemReadsThem) {
  WindowsTempFolder folder;
  int index = 0;
  for (const Case& c : kTrickyFiles) {
    // A file name per case: the system caches files by name.
    const std::wstring ours = folder / (L"ours" + std::to_wstring(index) + L".ini");
    const std::wstring system = folder / (L"system" + std::to_wstring(index++) + L".ini");
    ASSERT_TRUE(WriteFileBytes(ours, c.file));
    ASSERT_TRUE(WriteFileBytes(system, ForSystemReader(c.file)));
    for (const std::wstring& section : kSections) {
      for (const std::wstring& key : kKeys) {
        const std::wstring expected = SystemRead(system, section, key);
        const std::wstring actual = settings::Read(ours, section, key, kAbsent);
        const Deviation* deviation = FindDeviation(c.name, section, key);
        if (deviation) {
          EXPECT_EQ(actual, deviation->ours.value_or(kAbsent)) << c.name << " [" << testing::PrintToString(section)
                                                                << "] " << testing::PrintToString(key);
        } else {
          EXPECT_EQ(actual, expected) << c.name << " [" << testing::PrintToString(section) << "] "
                                      << testing::PrintToString(key);
        }
      }
    }
  }
}

// What our Write stores reads back the same through the system's reader and ours.
TEST(Compat, FilesWeWriteReadTheSameThroughTheSystem) {
  const std::wstring values[] = {L"50", L" padded ", L"\"quoted\"", L"'", L"\"", L"", L"x=y;z", L"[music]",
                                 L"遊戲結束", L"Cs 音效", L"C:\\音效\\狗叫.mp3", std::wstring(12000, L'x')};
  const std::wstring extraForUtf16[] = {L"", L"\U0001F600 \u0E01"};  // the second has no GBK form
  WindowsTempFolder folder;
  for (const std::wstring& extra : extraForUtf16) {
    const std::wstring ours = folder / (L"ours" + std::to_wstring(extra.size()) + L".ini");
    ASSERT_TRUE(settings::Write(ours, L"init", L"writeFile", L"1"));
    for (std::size_t i = 0; i < std::size(values); ++i)
      ASSERT_TRUE(settings::Write(ours, L"music", L"name" + std::to_wstring(i), values[i]));
    ASSERT_TRUE(settings::Write(ours, L"music", L"file1", L"a\r\n[evil]\r\nk=v"));
    if (!extra.empty()) ASSERT_TRUE(settings::Write(ours, L"music", L"extra", extra));
    ASSERT_TRUE(settings::Write(ours, L"music", L"name0", L"51"));  // a replacement too

    const std::wstring system = folder / (L"system" + std::to_wstring(extra.size()) + L".ini");
    ASSERT_TRUE(WriteFileBytes(system, ForSystemReader(ReadFileBytes(ours))));
    EXPECT_EQ(SystemRead(system, L"music", L"name0"), L"51");
    for (std::size_t i = 1; i < std::size(values); ++i) {
      const std::wstring key = L"name" + std::to_wstring(i);
      const std::wstring expected = values[i].substr(0, settings::kMaxValueBytes);
      EXPECT_EQ(SystemRead(system, L"music", key), expected) << i;
      EXPECT_EQ(settings::Read(ours, L"music", key, kAbsent), expected) << i;
    }
    EXPECT_EQ(SystemRead(system, L"music", L"file1"), L"a [evil] k=v");
    EXPECT_EQ(SystemRead(system, L"evil", L"k"), kAbsent);
    EXPECT_EQ(SystemRead(system, L"music", L"extra"), extra.empty() ? kAbsent : extra);
    EXPECT_EQ(SystemRead(system, L"init", L"writeFile"), L"1");
  }
}

// What the system writes, and what it leaves after deleting, reads the same through ours.
TEST(Compat, FilesTheSystemWritesReadTheSameThroughOurs) {
  WindowsTempFolder folder;
  const std::wstring file = folder / L"system.ini";
  const wchar_t* const values[] = {L"1", L" padded ", L"\"quoted\"", L"", L"C:\\a b\\c.mp3", L"x=y"};
  for (std::size_t i = 0; i < std::size(values); ++i)
    ASSERT_TRUE(WritePrivateProfileStringW(L"music", (L"name" + std::to_wstring(i)).c_str(), values[i], file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"hotkey", L"btn12", L"65,1", file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"hotkey", L"btn120", L"116,5", file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"hotkey", L"btn12", nullptr, file.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringW(L"MUSIC", L"NAME0", L"2", file.c_str()));
  for (std::size_t i = 0; i < std::size(values); ++i) {
    const std::wstring key = L"name" + std::to_wstring(i);
    EXPECT_EQ(settings::Read(file, L"music", key, kAbsent), SystemRead(file, L"music", key)) << i;
  }
  EXPECT_EQ(settings::Read(file, L"hotkey", L"btn12", kAbsent), kAbsent);
  EXPECT_EQ(settings::Read(file, L"hotkey", L"btn120", kAbsent), L"116,5");

  // Our edits on the system's file, read back by the system under a fresh name.
  ASSERT_TRUE(settings::Write(file, L"hotkey", L"btn_stop", L"27,0"));
  ASSERT_TRUE(settings::Remove(file, L"hotkey", L"btn120"));
  ASSERT_TRUE(settings::Write(file, L"music", L"name1", L"  two  "));
  const std::wstring copy = folder / L"copy.ini";
  ASSERT_TRUE(WriteFileBytes(copy, ReadFileBytes(file)));
  EXPECT_EQ(SystemRead(copy, L"hotkey", L"btn_stop"), L"27,0");
  EXPECT_EQ(SystemRead(copy, L"hotkey", L"btn120"), kAbsent);
  EXPECT_EQ(SystemRead(copy, L"music", L"name1"), L"  two  ");
  EXPECT_EQ(SystemRead(copy, L"music", L"name0"), L"2");
}

}  // namespace
