#include "Id3.h"

namespace bass {

std::uint64_t Id3v2SizeAt(ByteSource& source, std::uint64_t offset) {
  std::uint8_t h[10];
  if (source.ReadAt(offset, h, sizeof h) != sizeof h) return 0;
  if (h[0] != 'I' || h[1] != 'D' || h[2] != '3' || h[3] == 0xFF || h[4] == 0xFF) return 0;
  // The size is synch-safe: four 7-bit groups.
  for (int i = 6; i < 10; ++i)
    if (h[i] & 0x80) return 0;
  std::uint64_t size = (std::uint64_t{h[6]} << 21) | (h[7] << 14) | (h[8] << 7) | h[9];
  const bool footer = (h[5] & 0x10) != 0;
  return 10 + size + (footer ? 10 : 0);
}

std::optional<std::string> ReadId3v1(ByteSource& source) {
  const std::uint64_t size = source.Size();
  if (size < 128) return std::nullopt;
  std::string block(128, '\0');
  if (source.ReadAt(size - 128, block.data(), 128) != 128) return std::nullopt;
  if (block.compare(0, 3, "TAG") != 0) return std::nullopt;
  return block;
}

}  // namespace bass
