#include "Hotkey.h"

#include "Text.h"

namespace hotkey {
namespace {
constexpr int kBoxShift = 1, kBoxCtrl = 2, kBoxAlt = 4;
}

int ModifiersFromBoxFlags(int flags) {
  return ((flags & kBoxShift) ? kShift : 0) + ((flags & kBoxCtrl) ? kCtrl : 0) + ((flags & kBoxAlt) ? kAlt : 0);
}

int BoxFlagsFromModifiers(int modifiers) {
  return ((modifiers & kCtrl) ? kBoxCtrl : 0) + ((modifiers & kShift) ? kBoxShift : 0) +
         ((modifiers & kAlt) ? kBoxAlt : 0);
}

std::wstring Text(int key, int modifiers) {
  if (key == 0) return L"";
  std::wstring text;
  if (modifiers & kCtrl) text += L"Ctrl + ";
  if (modifiers & kShift) text += L"Shift + ";
  if (modifiers & kAlt) text += L"Alt + ";
  // Letters and digits show as themselves; other keys as the character with their code.
  text += static_cast<wchar_t>(key & 0xFF);
  return text;
}

std::wstring Tag(int id, const std::wstring& key, const std::wstring& modifiers) {
  return std::to_wstring(id) + L"," + key + L"," + modifiers;
}

int TagId(const std::wstring& tag) { return text::ToInt(tag); }

}  // namespace hotkey
