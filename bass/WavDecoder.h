#pragma once
// RIFF WAVE files: integer PCM of 8, 16, 24 and 32 bits, 32-bit float, plain or
// WAVE_FORMAT_EXTENSIBLE. Windows-free: built natively for tests and fuzzing.
#include <memory>

#include "ByteSource.h"
#include "Decoder.h"

namespace bass {

enum class WavStatus { kOk, kNotWav, kUnsupported };

struct WavLayout {
  StreamFormat format;
  std::uint16_t bitsPerSample = 0;
  bool isFloat = false;
  std::uint16_t blockAlign = 0;
  std::uint64_t dataOffset = 0;
  std::uint64_t dataSize = 0;  // clamped to what the file really holds
};

// Reads the chunk list. kNotWav: not a RIFF WAVE at all; kUnsupported: a WAVE we cannot play.
WavStatus ParseWav(ByteSource& source, WavLayout& layout);

// nullptr (and the status) when ParseWav fails, leaving the source with the caller; else the
// decoder takes the source.
std::unique_ptr<Decoder> OpenWav(std::unique_ptr<ByteSource>& source, WavStatus& status);

}  // namespace bass
