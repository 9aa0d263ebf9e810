#pragma once
// MPEG audio layer III framing: frame headers, the Xing/Info and VBRI header frames that
// give a VBR file's length, and a reader that hands out whole frames for the codec.
// Windows-free: built natively for tests and fuzzing.
#include <cstdint>
#include <optional>
#include <vector>

#include "ByteSource.h"

namespace bass {

struct FrameHeader {
  int version = 0;  // 1 = MPEG-1, 2 = MPEG-2, 25 = MPEG-2.5
  int bitrateKbps = 0;
  std::uint32_t sampleRate = 0;
  std::uint32_t channels = 0;
  std::uint32_t frameBytes = 0;
  std::uint32_t samplesPerFrame = 0;
  // The bits that must not change from frame to frame within one stream.
  bool SameStream(const FrameHeader& other) const {
    return version == other.version && sampleRate == other.sampleRate && channels == other.channels;
  }
};

// Layer III headers only; free-format and reserved values are rejected.
std::optional<FrameHeader> ParseFrameHeader(const std::uint8_t bytes[4]);

struct Mp3Info {
  FrameHeader first;                 // the first audio frame's header
  std::uint64_t audioStart = 0;      // offset of the first audio frame
  std::uint64_t audioEnd = 0;        // offset where frames end (before an ID3v1 block)
  std::uint64_t totalFrames = 0;     // PCM frames the file decodes to (from Xing/VBRI, else estimated)
  std::uint32_t skipFrames = 0;      // PCM frames of encoder and decoder delay to drop at the start
};

// Skips ID3v2 tags, finds the first run of consistent frames, reads a Xing/Info or VBRI frame.
// Nothing when the bytes are not an MP3 we can play. Reads only the head of the file.
std::optional<Mp3Info> ProbeMp3(ByteSource& source);

// Hands out the frames of one stream in order, skipping garbage between them.
class Mp3FrameReader {
 public:
  Mp3FrameReader(ByteSource& source, const Mp3Info& info);
  // The next whole frame (header included); false at the end of the audio.
  bool Next(std::vector<std::uint8_t>& frame);
  // Continues from the frame nearest to `offset` (an offset in the file).
  void MoveTo(std::uint64_t offset);

 private:
  bool Resync();
  ByteSource& source_;
  Mp3Info info_;
  std::uint64_t at_;
};

}  // namespace bass
