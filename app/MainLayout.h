#pragma once
#include <string>

#include "Layout.h"

// Names the handlers look controls up by.
namespace names {
inline constexpr const wchar_t* kPresetPrefix = L"按钮_音效";
inline constexpr const wchar_t* kFirstPreset = L"按钮_音效1";
inline constexpr const wchar_t* kUserPrefix = L"按钮_自定义音效_";
inline constexpr const wchar_t* kFirstUser = L"按钮_自定义音效_1";
inline constexpr const wchar_t* kStop = L"按钮_停止播放";
inline constexpr const wchar_t* kPages = L"高级选择夹1";
inline constexpr const wchar_t* kCategoryHost = L"标签1";
inline constexpr const wchar_t* kChannelList = L"组合框1";
inline constexpr const wchar_t* kVolume = L"滑块条1";
inline constexpr const wchar_t* kHotkeyLabel = L"标签_热键";
inline constexpr const wchar_t* kBottomBand = L"分组框1";
inline constexpr const wchar_t* kShopButton = L"按钮1";
inline constexpr const wchar_t* kChatPicture = L"图片框3";
inline constexpr const wchar_t* kFileDialog = L"通用对话框1";
inline constexpr const wchar_t* kChannelCaption = L"标签4";
inline constexpr const wchar_t* kVolumeCaption = L"标签12";
}  // namespace names

inline constexpr int kUserButtonCount = 30;

// The maker's shop page and chat account. A build without them leaves their controls out.
struct MakerLinks {
  std::wstring shopAddress;
  std::wstring chatAccount;  // decimal digits
};

// The main window: its frame, six pages and every control, in creation order.
WindowLayout MainWindowLayout(const MakerLinks& links);

// The set-hotkey window; its hotkey box is made at run time.
WindowLayout HotkeyWindowLayout();
