#include "app/Catalogue.h"
#include "app/MainLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const MakerLinks kLinks{L"https://shop.example/board", L"123456"};

std::map<std::wstring, ControlSpec> ByName(const WindowLayout& layout) {
  std::map<std::wstring, ControlSpec> named;
  for (const auto& c : layout.controls) EXPECT_TRUE(named.emplace(c.name, c).second) << "duplicate name";
  return named;
}

}  // namespace

TEST(MainLayout, PresetsFollowTheCatalogue) {
  const auto named = ByName(MainWindowLayout(kLinks));
  std::map<int, int> perPage;
  std::set<int> numbers;
  for (const Preset& p : Presets()) {
    const auto& c = named.at(L"按钮_音效" + std::to_wstring(p.number));
    EXPECT_EQ(c.text, p.caption);
    EXPECT_EQ(c.parent, L"高级选择夹1");
    EXPECT_EQ(c.page, p.page - 1);
    ++perPage[p.page];
    numbers.insert(p.number);
  }
  EXPECT_EQ(numbers.size(), 220u);
  EXPECT_EQ(perPage, (std::map<int, int>{{1, 46}, {2, 43}, {3, 43}, {4, 43}, {5, 45}}));
  for (int missing : {62, 78, 86, 92, 99, 125, 139, 143, 146, 147, 182, 211, 215, 218}) {
    EXPECT_FALSE(numbers.contains(missing)) << missing;
  }
  EXPECT_EQ(named.at(L"按钮_音效44").text, named.at(L"按钮_音效54").text);
  EXPECT_EQ(named.at(L"按钮_音效127").text, L"遊戲結束");
  EXPECT_EQ(named.at(L"按钮_音效67").text, L"Cs 音效");
  EXPECT_EQ(named.at(L"按钮_音效5").text, L"孙悟空出场");
}

// Buttons of one page never overlap and stay inside the page, in the grid's rows.
TEST(MainLayout, PageButtonsFitTheGrid) {
  const auto layout = MainWindowLayout(kLinks);
  std::map<int, std::vector<ControlSpec>> pages;
  for (const auto& c : layout.controls) {
    if (c.page) pages[*c.page].push_back(c);
  }
  ASSERT_EQ(pages.size(), 6u);
  for (const auto& [page, buttons] : pages) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
      const auto& a = buttons[i];
      EXPECT_GE(a.x, 8);
      EXPECT_LE(a.x + a.width, 440 - 2);
      EXPECT_LE(a.y + a.height, 360 - 8);
      if (page < 5) {
        EXPECT_EQ((a.y - 32) % 40, 0);
        EXPECT_GE(a.width, 61);
        EXPECT_LE(a.width, 96);
      }
      for (std::size_t j = i + 1; j < buttons.size(); ++j) {
        const auto& b = buttons[j];
        const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y ||
                           b.y + b.height <= a.y;
        EXPECT_TRUE(apart) << page;
      }
    }
  }
  EXPECT_EQ(pages[5].size(), 30u);
}

TEST(MainLayout, FixedControlsAndFrame) {
  const auto layout = MainWindowLayout(kLinks);
  EXPECT_EQ(layout.title, L"澜拓音频声浪台 v8.0.14");
  EXPECT_EQ(layout.width, 472);
  EXPECT_EQ(layout.height, 610);
  EXPECT_TRUE(layout.captionless);
  EXPECT_TRUE(layout.minimizeBox);
  ASSERT_EQ(layout.pages.size(), 6u);
  EXPECT_EQ(layout.pages[0].title, L"主持人专用");
  EXPECT_EQ(layout.pages[5].title, L"自定义音效");
  const auto named = ByName(layout);
  const struct {
    const wchar_t* name;
    ControlKind kind;
    const wchar_t* parent;
    int x, y, w, h;
    const wchar_t* text;
  } table[] = {
      {L"标签1", ControlKind::Label, L"", 16, 80, 456, 42, L"按钮组"},
      {L"高级选择夹1", ControlKind::TabControl, L"", 16, 96, 440, 360, L""},
      {L"按钮_停止播放", ControlKind::PushButton, L"", 368, 464, 88, 56, L"停止播放"},
      {L"标签4", ControlKind::Label, L"", 16, 475, 80, 14, L"输出通道选择："},
      {L"组合框1", ControlKind::DropDownList, L"", 104, 472, 248, 20, L""},
      {L"标签12", ControlKind::Label, L"", 16, 503, 78, 16, L"输出音量大小："},
      {L"滑块条1", ControlKind::Slider, L"", 104, 504, 248, 16, L""},
      {L"标签_热键", ControlKind::Label, L"", 872, 24, 32, 40, L"快捷键"},
      {L"分组框1", ControlKind::GroupBox, L"", -24, 536, 512, 96, L""},
      {L"标签2", ControlKind::Label, L"分组框1", 32, 12, 368, 56, L"澜拓音频调试各种声卡效果"},
      {L"按钮1", ControlKind::PushButton, L"分组框1", 408, 40, 72, 24, L"官方淘宝"},
      {L"图片框3", ControlKind::PictureBox, L"", 384, 546, 74, 22, L""},
      {L"按钮_自定义音效_30", ControlKind::PushButton, L"高级选择夹1", 360, 280, 77, 40, L"自定义"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(std::wstring(row.name).size());
    const auto& c = named.at(row.name);
    EXPECT_EQ(c.kind, row.kind);
    EXPECT_EQ(c.parent, row.parent);
    EXPECT_EQ(std::tuple(c.x, c.y, c.width, c.height), std::tuple(row.x, row.y, row.w, row.h));
    EXPECT_EQ(c.text, row.text);
  }
  EXPECT_EQ(named.at(L"通用对话框1").text, L"选择自定义音效");
  EXPECT_EQ(layout.dialogFilter, L"支持的音效文件(*.mp3;*.wav;*.mid)|*.mp3;*.wav;*.mid|所有文件(*.*)|*.*");
  EXPECT_EQ(layout.dialogFolder, L"data/music");
}

TEST(MainLayout, LinksAreLeftOutWithoutTheirValues) {
  const auto named = ByName(MainWindowLayout({}));
  EXPECT_FALSE(named.contains(L"按钮1"));
  EXPECT_FALSE(named.contains(L"图片框3"));
  EXPECT_TRUE(named.contains(L"标签2"));
}
