#pragma once
#include <string>

// Hotkey combinations as the board stores and shows them.
//
// Two modifier encodings meet here: the board's ModifierSet (1 Ctrl, 2 Shift, 4 Alt) used by the
// settings file, the button tags and the registration, and the hotkey box's flags (1 Shift,
// 2 Ctrl, 4 Alt, 8 extended key) used by HotkeyValue.
namespace hotkey {

inline constexpr int kCtrl = 1, kShift = 2, kAlt = 4;

int ModifiersFromBoxFlags(int flags);  // the extended-key flag is ignored
int BoxFlagsFromModifiers(int modifiers);

// "Ctrl + Shift + Alt + " as the modifiers say, then the character whose code is the key code;
// empty when key is 0.
std::wstring Text(int key, int modifiers);

// A button's tag: "id,key,modifiers". Its integer value is the hotkey id (0 when not a tag).
std::wstring Tag(int id, const std::wstring& key, const std::wstring& modifiers);
int TagId(const std::wstring& tag);

}  // namespace hotkey

// The value exchanged with the hotkey box: a key code and the box's modifier flags.
struct HotkeyValue {
  int key = 0;
  int flags = 0;
};
