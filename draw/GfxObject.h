#pragma once
// The base every drawing wrapper stands on, the records that cross the wrappers and the status
// of the last GDI+ call.
#include <cstdint>
#include <vector>

// GDI+'s status of the most recent wrapped call: 0 Ok, 2 InvalidParameter, the rest as GDI+
// numbers them. A plain global of the GUI thread, like the wrappers themselves.
int LastGdipStatus();
void SetLastGdipStatus(int status);

using ByteString = std::vector<std::uint8_t>;

struct GfxPointF {
  float x = 0, y = 0;
};
struct GfxPoint {
  std::int32_t x = 0, y = 0;
};
struct GfxRectF {
  float x = 0, y = 0, width = 0, height = 0;
};
struct GfxRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// One native GDI+ object. The wrapper that made it owns it and releases it when destroyed;
// wrappers move but never copy implicitly, so a native object has exactly one owner. The
// explicit copy, CopyFrom, shares the handle without taking ownership of it.
//
// A bare GfxObject carries the objects this library has no wrapper of (a matrix, image
// attributes, a cached bitmap, a custom line cap): it hands them to GDI+ and releases nothing.
class GfxObject {
 public:
  GfxObject() = default;
  GfxObject(GfxObject&& other) noexcept : handle_(other.handle_), owns_(other.owns_) {
    other.handle_ = nullptr;
  }
  GfxObject(const GfxObject&) = delete;
  GfxObject& operator=(const GfxObject&) = delete;
  GfxObject& operator=(GfxObject&&) = delete;
  virtual ~GfxObject() = default;

  void* GetHandle() const { return handle_; }
  // Hands a native object to this wrapper, which owns it from now on. The object it held
  // before is not released.
  void SetHandle(void* handle);
  virtual void AttachHandle(void* handle) { handle_ = handle; }
  void* Alloc(std::int32_t size);
  void Free(void* pointer);

 protected:
  // Shares the other wrapper's native object; its owner still releases it.
  void ShareHandleOf(const GfxObject& other);
  // Whether destroying this wrapper should release its native object.
  bool OwnsHandle() const { return handle_ && owns_; }

 private:
  void* handle_ = nullptr;
  bool owns_ = true;
};
