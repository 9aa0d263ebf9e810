#include "GfxFonts.h"

#include "Flat.h"
#include "GfxGraphics.h"
#include "GfxText.h"

using namespace draw::flat;

namespace {

// Names are short; GDI+ wants them terminated.
std::wstring Terminated(std::wstring_view text) { return std::wstring(text.substr(0, std::min(text.size(), text.find(L'\0')))); }

// The collection GDI+ should use: the wrapper's own, or the installed fonts for an empty one.
GpFontCollection* CollectionOf(const GfxFontCollection& collection) {
  if (collection.GetHandle()) return static_cast<GpFontCollection*>(collection.GetHandle());
  GpFontCollection* installed = nullptr;
  GDIP(GdipNewInstalledFontCollection)(&installed);
  return installed;
}

}  // namespace

int GfxFontCollection::GetFamilyCount() const { INT v = 0; return Value(GDIP(GdipGetFontCollectionFamilyCount)(CollectionOf(*this), &v), v); }

int GfxFontCollection::GetFamilyList(int wanted, std::vector<GfxFontFamily>& families) const {
  if (wanted < 1) {
    Record(InvalidParameter);
    return 0;
  }
  families = std::vector<GfxFontFamily>(static_cast<size_t>(wanted));
  std::vector<GpFontFamily*> natives(static_cast<size_t>(wanted), nullptr);
  INT found = 0;
  if (!Record(GDIP(GdipGetFontCollectionFamilyList)(CollectionOf(*this), wanted, natives.data(), &found))) return found;
  for (INT i = 0; i < found && i < wanted; ++i) families[static_cast<size_t>(i)].SetHandle(natives[static_cast<size_t>(i)]);
  return found;
}

bool GfxFontFamily::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteFontFamily)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxFontFamily::CreateFromName(std::string_view name, const GfxFontCollection& collection) { return CreateFromNameW(AnsiToWide(name), collection); }
bool GfxFontFamily::CreateFromNameW(std::wstring_view name, const GfxFontCollection& collection) { return Record(GDIP(GdipCreateFontFamilyFromName)(Terminated(name).c_str(), collection, Handover<GpFontFamily>(*this))); }
bool GfxFontFamily::GetGenericSansSerif() { return Record(GDIP(GdipGetGenericFontFamilySansSerif)(Handover<GpFontFamily>(*this))); }
bool GfxFontFamily::GetGenericSerif() { return Record(GDIP(GdipGetGenericFontFamilySerif)(Handover<GpFontFamily>(*this))); }
bool GfxFontFamily::GetGenericMonospace() { return Record(GDIP(GdipGetGenericFontFamilyMonospace)(Handover<GpFontFamily>(*this))); }
bool GfxFontFamily::Clone(GfxFontFamily& target) const { return Record(GDIP(GdipCloneFontFamily)(GetHandle(), Handover<GpFontFamily>(target))); }
std::string GfxFontFamily::GetName() const { return WideToAnsi(GetNameW()); }

std::wstring GfxFontFamily::GetNameW() const {
  WCHAR name[LF_FACESIZE + 1] = {};  // GDI+ writes at most LF_FACESIZE units with the terminator
  Record(GDIP(GdipGetFamilyName)(GetHandle(), name, 0));
  return name;
}

bool GfxFontFamily::IsStyleAvailable(int style) const { BOOL v = FALSE; return Value(GDIP(GdipIsStyleAvailable)(GetHandle(), style, &v), v) != FALSE; }
std::uint16_t GfxFontFamily::GetEmHeight(int style) const { UINT16 v = 0; return Value(GDIP(GdipGetEmHeight)(GetHandle(), style, &v), v); }
std::uint16_t GfxFontFamily::GetCellAscent(int style) const { UINT16 v = 0; return Value(GDIP(GdipGetCellAscent)(GetHandle(), style, &v), v); }
std::uint16_t GfxFontFamily::GetCellDescent(int style) const { UINT16 v = 0; return Value(GDIP(GdipGetCellDescent)(GetHandle(), style, &v), v); }
std::uint16_t GfxFontFamily::GetLineSpacing(int style) const { UINT16 v = 0; return Value(GDIP(GdipGetLineSpacing)(GetHandle(), style, &v), v); }

GfxFont::~GfxFont() {
  if (OwnsHandle()) Delete();
}

bool GfxFont::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteFont)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxFont::Create(const GfxFontFamily& family, float emSize, int style, int unit) { return Record(GDIP(GdipCreateFont)(family, emSize, style, unit, Handover<GpFont>(*this))); }

bool GfxFont::CreateDefaultGuiFont() {
  LOGFONTA logfont{};
  if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont) == 0) return false;
  HDC screen = ::GetDC(nullptr);
  const bool ok = CreateFromLogfontA(screen, &logfont);
  ::ReleaseDC(nullptr, screen);
  return ok;
}

bool GfxFont::CreateFromName(std::string_view familyName, float emSize, int style, int unit) { return CreateFromNameW(AnsiToWide(familyName), emSize, style, unit); }

// Through a temporary family: a name that is not installed leaves it empty, and creating the
// font then fails with GDI+'s status for the empty family.
bool GfxFont::CreateFromNameW(std::wstring_view familyName, float emSize, int style, int unit) {
  GfxFontFamily family;
  family.CreateFromNameW(familyName);
  const bool ok = Create(family, emSize, style, unit);
  const int status = LastGdipStatus();
  family.Delete();
  SetLastGdipStatus(status);
  return ok;
}

bool GfxFont::CreateFromDCSelected(HDC dc) { return Record(GDIP(GdipCreateFontFromDC)(dc, Handover<GpFont>(*this))); }

bool GfxFont::CreateFromDC(HDC dc, HFONT font) {
  LOGFONTA logfont{};
  if (font && GetObjectA(font, sizeof logfont, &logfont) != 0) return CreateFromLogfontA(dc, &logfont);
  return CreateFromDCSelected(dc);
}

bool GfxFont::CreateFromLogfontA(HDC dc, const LOGFONTA* logfont) {
  if (!logfont) return CreateFromDCSelected(dc);
  return Record(GDIP(GdipCreateFontFromLogfontA)(dc, logfont, Handover<GpFont>(*this)));
}

bool GfxFont::CreateFromLogfontW(HDC dc, const LOGFONTW* logfont) {
  if (!logfont) return CreateFromDCSelected(dc);
  return Record(GDIP(GdipCreateFontFromLogfontW)(dc, logfont, Handover<GpFont>(*this)));
}

bool GfxFont::Clone(GfxFont& target) const { return Record(GDIP(GdipCloneFont)(GetHandle(), Handover<GpFont>(target))); }
bool GfxFont::GetLogFontA(const GfxGraphics& graphics, LOGFONTA* logfont) const { return Record(GDIP(GdipGetLogFontA)(GetHandle(), graphics, logfont)); }
bool GfxFont::GetLogFontW(const GfxGraphics& graphics, LOGFONTW* logfont) const { return Record(GDIP(GdipGetLogFontW)(GetHandle(), graphics, logfont)); }
bool GfxFont::GetFamily(GfxFontFamily& target) const { return Record(GDIP(GdipGetFamily)(GetHandle(), Handover<GpFontFamily>(target))); }
int GfxFont::GetStyle() const { INT v = 0; return Value(GDIP(GdipGetFontStyle)(GetHandle(), &v), v); }
float GfxFont::GetSize() const { REAL v = 0; return Value(GDIP(GdipGetFontSize)(GetHandle(), &v), v); }
int GfxFont::GetUnit() const { GpUnit v{}; return Value(GDIP(GdipGetFontUnit)(GetHandle(), &v), v); }
float GfxFont::GetHeight(const GfxGraphics& graphics) const { REAL v = 0; return Value(GDIP(GdipGetFontHeight)(GetHandle(), graphics, &v), v); }
float GfxFont::GetHeightGivenDPI(float dpi) const { REAL v = 0; return Value(GDIP(GdipGetFontHeightGivenDPI)(GetHandle(), dpi, &v), v); }

GfxStringFormat::~GfxStringFormat() {
  if (OwnsHandle()) Delete();
}

bool GfxStringFormat::Delete() {
  if (!GetHandle()) return false;
  const GpStatus status = GDIP(GdipDeleteStringFormat)(GetHandle());
  SetHandle(nullptr);
  return Record(status);
}

bool GfxStringFormat::Create(int flags, int language) { return Record(GDIP(GdipCreateStringFormat)(flags, static_cast<LANGID>(language), Handover<GpStringFormat>(*this))); }
bool GfxStringFormat::GenericDefault() { return Record(GDIP(GdipStringFormatGetGenericDefault)(Handover<GpStringFormat>(*this))); }
bool GfxStringFormat::GenericTypographic() { return Record(GDIP(GdipStringFormatGetGenericTypographic)(Handover<GpStringFormat>(*this))); }
bool GfxStringFormat::Clone(GfxStringFormat& target) const { return Record(GDIP(GdipCloneStringFormat)(GetHandle(), Handover<GpStringFormat>(target))); }
bool GfxStringFormat::SetFlags(int flags) { return Record(GDIP(GdipSetStringFormatFlags)(GetHandle(), flags)); }
int GfxStringFormat::GetFlags() const { INT v = 0; return Value(GDIP(GdipGetStringFormatFlags)(GetHandle(), &v), v); }
bool GfxStringFormat::SetAlign(int alignment) { return Record(GDIP(GdipSetStringFormatAlign)(GetHandle(), alignment)); }
int GfxStringFormat::GetAlign() const { StringAlignment v{}; return Value(GDIP(GdipGetStringFormatAlign)(GetHandle(), &v), v); }
bool GfxStringFormat::SetLineAlign(int alignment) { return Record(GDIP(GdipSetStringFormatLineAlign)(GetHandle(), alignment)); }
int GfxStringFormat::GetLineAlign() const { StringAlignment v{}; return Value(GDIP(GdipGetStringFormatLineAlign)(GetHandle(), &v), v); }
bool GfxStringFormat::SetTrimming(int trimming) { return Record(GDIP(GdipSetStringFormatTrimming)(GetHandle(), trimming)); }
int GfxStringFormat::GetTrimming() const { StringTrimming v{}; return Value(GDIP(GdipGetStringFormatTrimming)(GetHandle(), &v), v); }
bool GfxStringFormat::SetHotkeyPrefix(int prefix) { return Record(GDIP(GdipSetStringFormatHotkeyPrefix)(GetHandle(), prefix)); }
int GfxStringFormat::GetHotkeyPrefix() const { INT v = 0; return Value(GDIP(GdipGetStringFormatHotkeyPrefix)(GetHandle(), &v), v); }
bool GfxStringFormat::SetTabStops(float firstTabOffset, std::span<const float> tabStops) { return Record(GDIP(GdipSetStringFormatTabStops)(GetHandle(), firstTabOffset, Count(tabStops), tabStops.data())); }

int GfxStringFormat::GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const {
  INT count = 0;
  if (!Record(GDIP(GdipGetStringFormatTabStopCount)(GetHandle(), &count))) return 0;
  tabStops.assign(static_cast<size_t>(std::max(count, 0)), 0.0f);
  Record(GDIP(GdipGetStringFormatTabStops)(GetHandle(), count, &firstTabOffset, tabStops.data()));
  return count;
}

bool GfxStringFormat::SetDigitSubstitution(int method, int language) { return Record(GDIP(GdipSetStringFormatDigitSubstitution)(GetHandle(), static_cast<LANGID>(language), method)); }

bool GfxStringFormat::GetDigitSubstitution(int& method, int& language) const {
  LANGID lang = 0;
  StringDigitSubstitute substitute{};
  if (!Record(GDIP(GdipGetStringFormatDigitSubstitution)(GetHandle(), &lang, &substitute))) return false;
  method = substitute;
  language = lang;
  return true;
}

bool GfxStringFormat::SetMeasurableCharacterRanges(std::span<const GfxCharacterRange> ranges) {
  static_assert(sizeof(GfxCharacterRange) == sizeof(CharacterRange));
  return Record(GDIP(GdipSetStringFormatMeasurableCharacterRanges)(GetHandle(), Count(ranges), reinterpret_cast<const CharacterRange*>(ranges.data())));
}

int GfxStringFormat::GetMeasurableCharacterRangeCount() const { INT v = 0; return Value(GDIP(GdipGetStringFormatMeasurableCharacterRangeCount)(GetHandle(), &v), v); }
