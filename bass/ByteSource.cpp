#include "ByteSource.h"

#include <algorithm>
#include <cstring>

namespace bass {

namespace {
std::size_t Clamp(std::uint64_t offset, std::size_t size, std::uint64_t total) {
  if (offset >= total) return 0;
  return static_cast<std::size_t>(std::min<std::uint64_t>(size, total - offset));
}
}  // namespace

std::size_t MemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  const std::size_t n = Clamp(offset, size, size_);
  if (n) std::memcpy(buffer, data_ + offset, n);
  return n;
}

std::size_t OwnedMemorySource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  const std::size_t n = Clamp(offset, size, bytes_.size());
  if (n) std::memcpy(buffer, bytes_.data() + offset, n);
  return n;
}

std::unique_ptr<FileSource> FileSource::Open(const std::filesystem::path& path, std::uint64_t offset,
                                             std::uint64_t length) {
  std::unique_ptr<FileSource> source(new FileSource);
  source->file_.open(path, std::ios::binary);
  if (!source->file_) return nullptr;
  source->file_.seekg(0, std::ios::end);
  const auto end = source->file_.tellg();
  if (end < 0) return nullptr;
  const auto total = static_cast<std::uint64_t>(end);
  if (offset > total) return nullptr;
  source->base_ = offset;
  source->size_ = total - offset;
  if (length && length < source->size_) source->size_ = length;
  return source;
}

std::size_t FileSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) {
  const std::size_t n = Clamp(offset, size, size_);
  if (!n) return 0;
  file_.clear();
  file_.seekg(static_cast<std::streamoff>(base_ + offset));
  file_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(n));
  return static_cast<std::size_t>(std::max<std::streamsize>(file_.gcount(), 0));
}

}  // namespace bass
