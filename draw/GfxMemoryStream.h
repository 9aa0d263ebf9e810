#pragma once
// A COM stream over a movable global-memory block: how image bytes reach GDI+ and how encoded
// images come back as bytes.
#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <span>
#include <utility>

#include "GfxObject.h"

class GfxMemoryStream {
 public:
  GfxMemoryStream() = default;
  GfxMemoryStream(const GfxMemoryStream&) = delete;
  GfxMemoryStream& operator=(const GfxMemoryStream&) = delete;
  GfxMemoryStream(GfxMemoryStream&& other) noexcept
      : block_(std::exchange(other.block_, nullptr)),
        locked_(std::exchange(other.locked_, nullptr)),
        stream_(std::exchange(other.stream_, nullptr)) {}
  ~GfxMemoryStream() { Release(); }

  // A new stream holding a copy of the bytes, positioned at its start; null when the system
  // has no memory for it. Releases the stream held before.
  IStream* CreateFromBytes(std::span<const std::uint8_t> data);
  // Lets go of the stream; its block goes with the stream's last reference.
  void Release();
  std::size_t GetSize() const;
  IStream* GetStream() const { return stream_; }
  HGLOBAL GetHGlobal() const { return block_; }
  // Takes over a stream made elsewhere over global memory (its reference included); false
  // when it is not backed by a global block. Whether the block goes with the stream's last
  // reference is the maker's choice.
  bool AttachStream(IStream* stream);
  // The whole block, as long as the system reports its size: it can be longer than the data
  // written into it.
  ByteString ToBytes() const;

 private:
  HGLOBAL block_ = nullptr;
  void* locked_ = nullptr;
  IStream* stream_ = nullptr;
};
