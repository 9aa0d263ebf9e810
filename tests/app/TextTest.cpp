#include "app/Text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TextToInt, FollowsTheIntegerRule) {
  const struct {
    const wchar_t* text;
    int value;
  } cases[] = {
      {L"100", 100},       {L"abc", 0},          {L"3x", 3},          {L"", 0},
      {L"  42", 42},       {L"\t-7", -7},        {L"+5", 5},          {L"- 5", 0},
      {L"１２３", 123},    {L"　－４５", -45},   {L"12 34", 12},      {L"65,2,9", 65},
      {L"0007", 7},        {L"99999999999", INT_MAX},                 {L"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(text::ToInt(c.text), c.value) << std::wstring(c.text).size();
}

TEST(TextSplit, KeepsTheRestInTheLastPart) {
  EXPECT_EQ(text::Split(L"65,2,9", L",", 2), (std::vector<std::wstring>{L"65", L"2,9"}));
  EXPECT_EQ(text::Split(L"116", L",", 2), (std::vector<std::wstring>{L"116"}));
  EXPECT_EQ(text::Split(L"", L",", 2), (std::vector<std::wstring>{L""}));
  EXPECT_EQ(text::Split(L"a,,b", L",", 5), (std::vector<std::wstring>{L"a", L"", L"b"}));
}

TEST(TextPositions, CountFromOne) {
  EXPECT_EQ(text::Find(L"a/b/c", L"/"), 2);
  EXPECT_EQ(text::FindLast(L"a/b/c", L"/"), 4);
  EXPECT_EQ(text::Find(L"abc", L"/"), -1);
  EXPECT_EQ(text::Middle(L"按钮_自定义音效_12", 10, 2), L"12");
  EXPECT_EQ(text::Middle(L"abc", 3, 5), L"c");
  EXPECT_EQ(text::Middle(L"abc", 4, 1), L"");
  EXPECT_EQ(text::Left(L"abc", 2), L"ab");
  EXPECT_EQ(text::Left(L"abc", 9), L"abc");
}
