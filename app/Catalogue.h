#pragma once
#include <span>
#include <string_view>

// The preset buttons: number, page and caption, and where each sits on its page.
// A preset's caption is also the name of its sound file, so this table is the sound catalogue.
struct Preset {
  int number;  // ends the button's name "按钮_音效" + number; 1 to 234 with gaps
  int page;    // 1 to 5
  const wchar_t* caption;
  int x, y, width;  // inside the page; every preset is 32 pixels high
};

inline constexpr int kPresetHeight = 32;

std::span<const Preset> Presets();
