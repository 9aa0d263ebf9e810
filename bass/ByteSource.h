#pragma once
// Random-access bytes a decoder reads from: a file on disk or a block the caller owns.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace bass {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Bytes actually read; fewer near the end or when the file went away under us.
  virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) = 0;
  virtual std::uint64_t Size() const = 0;
};

// A window [offset, offset + length) of a caller's memory block; the caller keeps it alive
// for the stream's life, as the library's contract says.
class MemorySource final : public ByteSource {
 public:
  MemorySource(const void* data, std::uint64_t size) : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;
  std::uint64_t Size() const override { return size_; }

 private:
  const std::uint8_t* data_;
  std::uint64_t size_;
};

// A block the source owns (a downloaded body).
class OwnedMemorySource final : public ByteSource {
 public:
  explicit OwnedMemorySource(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;
  std::uint64_t Size() const override { return bytes_.size(); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// A file seen from `offset` on, `length` bytes long (0 = to the end).
class FileSource final : public ByteSource {
 public:
  // nullptr when the file cannot be opened or the window lies outside it.
  static std::unique_ptr<FileSource> Open(const std::filesystem::path& path, std::uint64_t offset,
                                          std::uint64_t length);
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) override;
  std::uint64_t Size() const override { return size_; }

 private:
  FileSource() = default;
  std::ifstream file_;
  std::uint64_t base_ = 0;
  std::uint64_t size_ = 0;
};

}  // namespace bass
