#include "GfxObject.h"

#include "Flat.h"

namespace {
int lastStatus = 0;
}  // namespace

int LastGdipStatus() { return lastStatus; }
void SetLastGdipStatus(int status) { lastStatus = status; }

void GfxObject::SetHandle(void* handle) {
  owns_ = true;
  AttachHandle(handle);
}

void GfxObject::ShareHandleOf(const GfxObject& other) {
  AttachHandle(other.handle_);
  owns_ = false;
}

void* GfxObject::Alloc(std::int32_t size) { return GDIP(GdipAlloc)(static_cast<size_t>(size)); }
void GfxObject::Free(void* pointer) { GDIP(GdipFree)(pointer); }
