#pragma once
// A stream's source of sound: decodes on demand, as the channel plays.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace bass {

struct StreamFormat {
  std::uint32_t rate = 0;
  std::uint32_t channels = 0;
};

class Decoder {
 public:
  virtual ~Decoder() = default;
  virtual StreamFormat Format() const = 0;
  // Interleaved float frames in [-1, 1]; returns fewer than asked only at the end (or when the
  // source fails), 0 once everything has been delivered.
  virtual std::size_t Read(float* out, std::size_t frames) = 0;
  // Moves so that the next Read starts at `frame`; false when that cannot be reached.
  virtual bool Seek(std::uint64_t frame) = 0;
  // Total frames when known or estimated from the headers.
  virtual std::uint64_t LengthFrames() const = 0;
  // The 128-byte ID3v1 block at the end of the file, if there is one.
  virtual const std::optional<std::string>& Id3v1() const = 0;
};

}  // namespace bass
