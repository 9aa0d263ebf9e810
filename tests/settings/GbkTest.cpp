#include "app/settings/Gbk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Gbk, CaptionsRoundTripExactly) {
  // Bytes as an independent encoder (iconv CP936) writes them.
  const struct {
    std::wstring text;
    std::string bytes;
  } cases[] = {
      {L"遊戲結束", "\xDF\x5B\x91\xF2\xBD\x59\xCA\xF8"},
      {L"Cs 音效", "Cs \xD2\xF4\xD0\xA7"},
      {L"自定义", "\xD7\xD4\xB6\xA8\xD2\xE5"},
      {L"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(gbk::Encode(c.text), c.bytes);
    EXPECT_EQ(gbk::Decode(c.bytes), c.text);
  }
}

TEST(Gbk, CharacterWithoutGbkFormGivesNothing) {
  EXPECT_EQ(gbk::Encode(L"\U0001F600"), std::nullopt);     // an emoji
  EXPECT_EQ(gbk::Encode(L"ok \u0E01 ok"), std::nullopt);   // Thai
  EXPECT_EQ(gbk::Encode(L"\u20A9"), std::nullopt);         // won sign
}

TEST(Gbk, BrokenBytesBecomeReplacementCharactersOnly) {
  // A lead byte before a blank, and a lead byte cut off at the end.
  EXPECT_EQ(gbk::Decode("a\x81 b\xD2\xF4"), L"a\uFFFD b音");
  EXPECT_EQ(gbk::Decode("\xD2\xF4\xD2"), L"音\uFFFD");
  EXPECT_EQ(gbk::Decode("\xFF"), L"\uFFFD");
}

TEST(Gbk, CutKeepsWholeCharactersWithinTheByteCount) {
  const struct {
    std::wstring text;
    std::size_t maxBytes;
    std::wstring expected;
  } cases[] = {
      {L"遊戲結束", 8, L"遊戲結束"}, {L"遊戲結束", 7, L"遊戲結"}, {L"遊戲結束", 5, L"遊戲"},
      {L"a遊", 2, L"a"},           {L"abc", 0, L""},          {L"a\U0001F600b", 4, L"a"},
      {L"a\U0001F600b", 5, L"a\U0001F600"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.maxBytes);
    EXPECT_EQ(gbk::CutToBytes(c.text, c.maxBytes), c.expected);
  }
  const std::wstring longText(6000, L'音');
  EXPECT_EQ(gbk::CutToBytes(longText, 10239), std::wstring(5119, L'音'));
  EXPECT_EQ(gbk::CutToBytes(std::wstring(20000, L'x'), 10239), std::wstring(10239, L'x'));
}

}  // namespace
