#pragma once
// Typefaces and text layout: fonts, font families, the installed-font collection and string
// formats. Operations in the order of each class's operation table; conventions as
// GfxGraphics. Styles, units, alignments and flags are GDI+'s integer values.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "GfxObject.h"

class GfxGraphics;
class GfxFontFamily;

// A font collection. The library makes none, so an empty wrapper stands for the system's
// installed fonts, as an argument and for its own operations. Destroying it releases nothing.
class GfxFontCollection : public GfxObject {
 public:
  GfxFontCollection() = default;
  GfxFontCollection(GfxFontCollection&&) noexcept = default;
  void CopyFrom(const GfxFontCollection& other) { ShareHandleOf(other); }

  int GetFamilyCount() const;
  // Refills `families` with `wanted` wrappers and hands the first families of the collection
  // to them in order; answers how many it found. A wanted count below 1 fails with
  // InvalidParameter.
  int GetFamilyList(int wanted, std::vector<GfxFontFamily>& families) const;
};

// A font family. Destroying the wrapper leaves the native family alive: its holder calls
// Delete (a family from GfxFont::GetFamily included).
class GfxFontFamily : public GfxObject {
 public:
  GfxFontFamily() = default;
  GfxFontFamily(GfxFontFamily&&) noexcept = default;
  void CopyFrom(const GfxFontFamily& other) { ShareHandleOf(other); }

  bool Delete();
  bool CreateFromName(std::string_view name, const GfxFontCollection& collection = GfxFontCollection());
  bool CreateFromNameW(std::wstring_view name, const GfxFontCollection& collection = GfxFontCollection());
  bool GetGenericSansSerif();
  bool GetGenericSerif();
  bool GetGenericMonospace();
  bool Clone(GfxFontFamily& target) const;
  // In the OEM code page.
  std::string GetName() const;
  std::wstring GetNameW() const;
  bool IsStyleAvailable(int style) const;
  std::uint16_t GetEmHeight(int style) const;
  std::uint16_t GetCellAscent(int style) const;
  std::uint16_t GetCellDescent(int style) const;
  std::uint16_t GetLineSpacing(int style) const;
};

class GfxFont : public GfxObject {
 public:
  GfxFont() = default;
  GfxFont(GfxFont&&) noexcept = default;
  ~GfxFont() override;
  void CopyFrom(const GfxFont& other) { ShareHandleOf(other); }

  bool Delete();
  // Styles: bits 1 bold, 2 italic, 4 underline, 8 strikeout. Units: 0 world (pixels on a
  // pixel surface), 2 pixel, 3 point, ...
  bool Create(const GfxFontFamily& family, float emSize, int style = 0, int unit = 0);
  // The system's default GUI font; false without touching the wrapper when it cannot be read.
  bool CreateDefaultGuiFont();
  // False when the family is not installed.
  bool CreateFromName(std::string_view familyName, float emSize, int style = 0, int unit = 0);
  bool CreateFromNameW(std::wstring_view familyName, float emSize, int style = 0, int unit = 0);
  // The font selected into the device context.
  bool CreateFromDCSelected(HDC dc);
  // The given GDI font, or without one the font selected into the device context.
  bool CreateFromDC(HDC dc, HFONT font = nullptr);
  bool CreateFromLogfontA(HDC dc, const LOGFONTA* logfont);
  bool CreateFromLogfontW(HDC dc, const LOGFONTW* logfont);
  bool Clone(GfxFont& target) const;
  bool GetLogFontA(const GfxGraphics& graphics, LOGFONTA* logfont) const;
  bool GetLogFontW(const GfxGraphics& graphics, LOGFONTW* logfont) const;
  bool GetFamily(GfxFontFamily& target) const;
  int GetStyle() const;
  float GetSize() const;
  int GetUnit() const;
  float GetHeight(const GfxGraphics& graphics) const;
  float GetHeightGivenDPI(float dpi) const;
};

// One measurable range of text: first UTF-16 position and length.
struct GfxCharacterRange {
  std::int32_t first = 0, length = 0;
};

class GfxStringFormat : public GfxObject {
 public:
  GfxStringFormat() = default;
  GfxStringFormat(GfxStringFormat&&) noexcept = default;
  ~GfxStringFormat() override;
  void CopyFrom(const GfxStringFormat& other) { ShareHandleOf(other); }

  bool Delete();
  bool Create(int flags = 0, int language = 0);
  bool GenericDefault();
  bool GenericTypographic();
  bool Clone(GfxStringFormat& target) const;
  bool SetFlags(int flags);
  int GetFlags() const;
  // Alignments: 0 near, 1 centre, 2 far.
  bool SetAlign(int alignment);
  int GetAlign() const;
  bool SetLineAlign(int alignment);
  int GetLineAlign() const;
  // Trimming: 0 none, 1 character, 2 word, 3 ellipsis character, ...
  bool SetTrimming(int trimming);
  int GetTrimming() const;
  bool SetHotkeyPrefix(int prefix);
  int GetHotkeyPrefix() const;
  bool SetTabStops(float firstTabOffset, std::span<const float> tabStops);
  int GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
  bool SetDigitSubstitution(int method, int language);
  bool GetDigitSubstitution(int& method, int& language) const;
  bool SetMeasurableCharacterRanges(std::span<const GfxCharacterRange> ranges);
  int GetMeasurableCharacterRangeCount() const;
};
