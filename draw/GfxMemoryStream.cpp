#include "GfxMemoryStream.h"

#include <cstring>

IStream* GfxMemoryStream::CreateFromBytes(std::span<const std::uint8_t> data) {
  Release();
  block_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, data.size());
  if (!block_) return nullptr;
  // The stream frees the block with its last reference: an image decoded from it may hold one
  // for as long as it lives, longer than this wrapper keeps the stream.
  if (FAILED(CreateStreamOnHGlobal(block_, TRUE, &stream_))) {
    stream_ = nullptr;
    GlobalFree(block_);
    block_ = nullptr;
    return nullptr;
  }
  if (!data.empty()) {
    locked_ = GlobalLock(block_);
    if (locked_) std::memcpy(locked_, data.data(), data.size());
    GlobalUnlock(block_);
  }
  return stream_;
}

void GfxMemoryStream::Release() {
  if (!stream_) return;
  stream_->Release();
  block_ = nullptr;
  locked_ = nullptr;
  stream_ = nullptr;
}

std::size_t GfxMemoryStream::GetSize() const { return block_ ? GlobalSize(block_) : 0; }

bool GfxMemoryStream::AttachStream(IStream* stream) {
  Release();
  HGLOBAL block = nullptr;
  if (!stream || FAILED(GetHGlobalFromStream(stream, &block)) || !block) return false;
  stream_ = stream;
  block_ = block;
  return true;
}

ByteString GfxMemoryStream::ToBytes() const {
  HGLOBAL block = block_;
  if (stream_) GetHGlobalFromStream(stream_, &block);
  if (!block) return {};
  ByteString bytes(GlobalSize(block));
  if (const void* data = GlobalLock(block)) {
    std::memcpy(bytes.data(), data, bytes.size());
    GlobalUnlock(block);
  } else {
    bytes.clear();
  }
  return bytes;
}
