// libFuzzer target: any bytes as a WAV file. Parsing and decoding must end, stay in bounds and
// hold memory to the input's size.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "WavDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<bass::ByteSource> source = std::make_unique<bass::MemorySource>(data, size);
  bass::WavStatus status;
  auto decoder = bass::OpenWav(source, status);
  if (!decoder) return 0;
  std::vector<float> block(512 * decoder->Format().channels);
  while (decoder->Read(block.data(), 512)) {
  }
  decoder->Seek(decoder->LengthFrames() / 2);
  decoder->Read(block.data(), 512);
  return 0;
}
