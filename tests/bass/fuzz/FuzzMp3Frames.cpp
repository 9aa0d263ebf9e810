// libFuzzer target: any bytes as an MP3 file. Probing and walking the frames must end and stay
// in bounds, whatever the tags and headers claim.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Id3.h"
#include "Mp3Frames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  bass::MemorySource source(data, size);
  bass::ReadId3v1(source);
  const auto info = bass::ProbeMp3(source);
  if (!info) return 0;
  bass::Mp3FrameReader reader(source, *info);
  std::vector<std::uint8_t> frame;
  std::size_t total = 0;
  while (reader.Next(frame)) total += frame.size();
  if (total > size) __builtin_trap();  // frames are slices of the input
  reader.MoveTo(size / 2);
  while (reader.Next(frame)) {
  }
  return 0;
}
