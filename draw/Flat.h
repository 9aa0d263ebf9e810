#pragma once
// Run-time binding of the GDI+ flat functions, for the wrappers' .cpp files only.
//
// gdiplus.dll is loaded from the system directory by name at first use and each flat function
// is resolved once, at its first call. A function this system's gdiplus.dll does not export (a
// GDI+ 1.1 entry on an old system, a gap in Wine) answers NotImplemented instead of keeping the
// whole program from loading, as an import-library link would. The signatures come from the
// SDK's own declarations, so every call is type-checked as if it were linked.
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <cstddef>
#include <span>
#include <type_traits>
#include <utility>

#include "GfxObject.h"

// The flat function `name` of gdiplus.dll, bound at its first call.
#define GDIP(name) ::draw::flat::Function<decltype(&::draw::flat::name), #name>{}

namespace draw::flat {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

// Status of a call that could not be made: no gdiplus.dll or no such export.
inline constexpr GpStatus kUnavailable = NotImplemented;

// The address of an export of gdiplus.dll, or null.
FARPROC Resolve(const char* name);

template <std::size_t N>
struct FunctionName {
  char text[N];
  constexpr FunctionName(const char (&name)[N]) { std::copy_n(name, N, text); }
};

// Wrappers keep handles as void* and enumerations cross the wrappers as GDI+'s plain integers;
// a wrapper passed as an argument stands for its native object. All become the flat
// function's own parameter types here, once, instead of at every call.
template <typename To, typename From>
To Pass(From&& value) {
  using Plain = std::remove_cvref_t<From>;
  if constexpr (std::is_enum_v<To> && std::is_arithmetic_v<Plain>) {
    return static_cast<To>(value);
  } else if constexpr (std::is_pointer_v<To> && std::is_same_v<Plain, void*>) {
    return static_cast<To>(value);
  } else if constexpr (std::is_reference_v<To> && std::is_pointer_v<Plain>) {
    return *value;  // records GDI+ takes by reference
  } else if constexpr (std::is_pointer_v<To> && std::is_base_of_v<GfxObject, Plain>) {
    return static_cast<To>(value.GetHandle());  // another wrapper: its native object
  } else {
    return std::forward<From>(value);
  }
}

#if defined(__i386__) || defined(_M_IX86)
#define DRAW_FLAT_CC __stdcall
#else
#define DRAW_FLAT_CC
#endif

template <typename Signature, FunctionName Name>
struct Function;

template <typename R, typename... Params, FunctionName Name>
struct Function<R(DRAW_FLAT_CC*)(Params...), Name> {
  using Pointer = R(DRAW_FLAT_CC*)(Params...);
  template <typename... Args>
  R operator()(Args&&... args) const {
    static const auto fn = reinterpret_cast<Pointer>(reinterpret_cast<void*>(Resolve(Name.text)));
    if (!fn) {
      if constexpr (std::is_same_v<R, GpStatus>) return kUnavailable;
      else if constexpr (!std::is_void_v<R>) return R{};
      else return;
    }
    return fn(Pass<Params>(std::forward<Args>(args))...);
  }
};

// Writes a handle the flat function makes into a wrapper: the flat function writes into this
// object, and once the call's full expression is over (its status recorded) the wrapper
// receives the handle through SetHandle. After a failed call the wrapper keeps what it held:
// GDI+ may have written a value there that is no object (a font it freed again, say).
template <typename T>
class Handover {
 public:
  explicit Handover(GfxObject& target)
      : target_(target), previous_(static_cast<T*>(target.GetHandle())), value_(previous_) {}
  Handover(const Handover&) = delete;
  Handover& operator=(const Handover&) = delete;
  ~Handover() { target_.SetHandle(LastGdipStatus() == 0 ? value_ : previous_); }
  operator T**() { return &value_; }

 private:
  GfxObject& target_;
  T* previous_;
  T* value_;
};

// Point and rectangle records have GDI+'s own layout, so arrays of them go to GDI+ in place.
static_assert(sizeof(GfxPointF) == sizeof(PointF) && sizeof(GfxPoint) == sizeof(Point));
static_assert(sizeof(GfxRectF) == sizeof(RectF) && sizeof(GfxRect) == sizeof(Rect));
inline const PointF* Points(std::span<const GfxPointF> p) { return reinterpret_cast<const PointF*>(p.data()); }
inline const Point* Points(std::span<const GfxPoint> p) { return reinterpret_cast<const Point*>(p.data()); }
inline PointF* Points(std::span<GfxPointF> p) { return reinterpret_cast<PointF*>(p.data()); }
inline Point* Points(std::span<GfxPoint> p) { return reinterpret_cast<Point*>(p.data()); }
inline const RectF* Rects(std::span<const GfxRectF> r) { return reinterpret_cast<const RectF*>(r.data()); }
inline const Rect* Rects(std::span<const GfxRect> r) { return reinterpret_cast<const Rect*>(r.data()); }
inline const RectF* Rects(const GfxRectF& r) { return reinterpret_cast<const RectF*>(&r); }
inline const Rect* Rects(const GfxRect& r) { return reinterpret_cast<const Rect*>(&r); }
template <typename T>
INT Count(std::span<T> items) { return static_cast<INT>(items.size()); }

// Stores the status as the last GDI+ status and tells whether it was Ok.
inline bool Record(GpStatus status) {
  SetLastGdipStatus(static_cast<int>(status));
  return status == Ok;
}

// A getter's value when the call succeeded, else zero; the status is stored either way. The
// value is taken by reference because the call that fills it is the other argument.
template <typename T>
T Value(GpStatus status, const T& value) {
  return Record(status) ? value : T{};
}

// Scales or rotates about a centre: move the centre to the origin, transform, move it back.
// Appended steps run in that order; prepended ones (order 0) are written in reverse so they
// take effect the same way. The result is the last step's.
template <typename Translate, typename Transform>
bool AboutCentre(GfxPointF centre, int order, Translate translate, Transform transform) {
  const float sign = order != 0 ? -1.0f : 1.0f;
  translate(sign * centre.x, sign * centre.y);
  transform();
  return translate(-sign * centre.x, -sign * centre.y);
}

// Reads a transform out of GDI+ into a new matrix that `target` then owns.
template <typename Get>
bool ReadMatrix(GfxObject& target, Get get) {
  GpMatrix* matrix = nullptr;
  if (!Record(GDIP(GdipCreateMatrix)(&matrix))) return false;
  if (!Record(get(matrix))) {
    GDIP(GdipDeleteMatrix)(matrix);
    return false;
  }
  target.SetHandle(matrix);
  return true;
}

}  // namespace draw::flat


