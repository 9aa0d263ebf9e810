#include "Mp3Frames.h"

#include <algorithm>
#include <cstring>

#include "Id3.h"

namespace bass {

namespace {

constexpr int kBitrates[2][15] = {
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},  // MPEG-1
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},      // MPEG-2 and 2.5
};
constexpr std::uint32_t kRates[3] = {44100, 48000, 32000};
// How far past the tags, or past a broken frame, we look for frames before giving up.
constexpr std::uint64_t kSearchWindow = 256 * 1024;
constexpr int kFramesToTrust = 3;
// Samples the layer III synthesis filter bank delays its output by.
constexpr std::uint32_t kDecoderDelay = 529;

std::uint32_t Be32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::optional<FrameHeader> HeaderAt(ByteSource& source, std::uint64_t offset) {
  std::uint8_t h[4];
  if (source.ReadAt(offset, h, 4) != 4) return std::nullopt;
  return ParseFrameHeader(h);
}

// A frame followed by more frames of the same stream (or by the end of the audio).
bool TrustedAt(ByteSource& source, std::uint64_t offset, std::uint64_t end, FrameHeader& first) {
  auto header = HeaderAt(source, offset);
  if (!header) return false;
  first = *header;
  std::uint64_t at = offset;
  for (int i = 0; i < kFramesToTrust; ++i) {
    at += header->frameBytes;
    if (at == end) return true;
    if (at > end) return false;
    auto next = HeaderAt(source, at);
    if (!next || !next->SameStream(first)) return false;
    header = next;
  }
  return true;
}

std::uint64_t FindTrusted(ByteSource& source, std::uint64_t from, std::uint64_t end, FrameHeader& header) {
  std::uint8_t buffer[4096];
  const std::uint64_t limit = std::min(end, from + kSearchWindow);
  for (std::uint64_t base = from; base < limit; base += sizeof buffer - 3) {
    const std::size_t got = source.ReadAt(base, buffer, sizeof buffer);
    if (got < 4) break;
    for (std::size_t i = 0; i + 1 < got; ++i) {
      if (buffer[i] == 0xFF && (buffer[i + 1] & 0xE0) == 0xE0 && base + i < limit &&
          TrustedAt(source, base + i, end, header))
        return base + i;
    }
  }
  return end;
}

// Side information length decides where a Xing header sits in the first frame.
std::uint32_t SideInfoBytes(const FrameHeader& h) {
  if (h.version == 1) return h.channels == 1 ? 17 : 32;
  return h.channels == 1 ? 9 : 17;
}

void ReadInfoFrame(ByteSource& source, Mp3Info& info) {
  const FrameHeader& h = info.first;
  std::vector<std::uint8_t> frame(h.frameBytes);
  if (source.ReadAt(info.audioStart, frame.data(), frame.size()) != frame.size()) return;
  const std::uint32_t xingAt = 4 + SideInfoBytes(h);
  const std::uint64_t spf = h.samplesPerFrame;
  if (frame.size() >= xingAt + 8 &&
      (std::memcmp(&frame[xingAt], "Xing", 4) == 0 || std::memcmp(&frame[xingAt], "Info", 4) == 0)) {
    const std::uint32_t flags = Be32(&frame[xingAt + 4]);
    std::size_t p = xingAt + 8;
    std::uint64_t frames = 0;
    if ((flags & 1) && p + 4 <= frame.size()) frames = Be32(&frame[p]), p += 4;
    if (flags & 2) p += 4;
    if (flags & 4) p += 100;  // the seek table: seeking walks the frame headers instead
    if (flags & 8) p += 4;
    std::uint32_t delay = 0, padding = 0;
    // The encoder's extension: 21 bytes in, 12 bits of delay and 12 of padding.
    if (p + 24 <= frame.size() && std::memcmp(&frame[p], "LAME", 4) == 0) {
      const std::uint8_t* d = &frame[p + 21];
      delay = (d[0] << 4) | (d[1] >> 4);
      padding = ((d[1] & 0x0F) << 8) | d[2];
    }
    info.audioStart += h.frameBytes;  // the header frame itself holds no sound
    if (frames) {
      const std::uint64_t raw = frames * spf;
      const std::uint64_t trim = delay + padding;
      info.totalFrames = raw > trim ? raw - trim : 0;
      if (delay || padding) info.skipFrames = delay + kDecoderDelay;
    }
    return;
  }
  const std::uint32_t vbriAt = 4 + 32;
  if (frame.size() >= vbriAt + 18 && std::memcmp(&frame[vbriAt], "VBRI", 4) == 0) {
    info.audioStart += h.frameBytes;
    info.totalFrames = std::uint64_t{Be32(&frame[vbriAt + 14])} * spf;
  }
}

}  // namespace

std::optional<FrameHeader> ParseFrameHeader(const std::uint8_t b[4]) {
  if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return std::nullopt;
  const int versionBits = (b[1] >> 3) & 3;
  const int layerBits = (b[1] >> 1) & 3;
  const int bitrateIndex = b[2] >> 4;
  const int rateIndex = (b[2] >> 2) & 3;
  if (versionBits == 1 || layerBits != 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
    return std::nullopt;
  FrameHeader h;
  h.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
  h.bitrateKbps = kBitrates[h.version == 1 ? 0 : 1][bitrateIndex];
  h.sampleRate = kRates[rateIndex] / (h.version == 1 ? 1 : h.version == 2 ? 2 : 4);
  h.channels = ((b[3] >> 6) & 3) == 3 ? 1 : 2;
  h.samplesPerFrame = h.version == 1 ? 1152 : 576;
  const std::uint32_t padding = (b[2] >> 1) & 1;
  h.frameBytes = (h.samplesPerFrame / 8) * 1000 * h.bitrateKbps / h.sampleRate + padding;
  return h;
}

std::optional<Mp3Info> ProbeMp3(ByteSource& source) {
  const std::uint64_t size = source.Size();
  std::uint64_t start = 0;
  // Some writers put more than one tag in front.
  for (int i = 0; i < 4; ++i) {
    const std::uint64_t tag = Id3v2SizeAt(source, start);
    if (!tag) break;
    start += tag;
  }
  if (start >= size) return std::nullopt;
  Mp3Info info;
  info.audioEnd = size - (ReadId3v1(source) ? 128 : 0);
  info.audioStart = FindTrusted(source, start, info.audioEnd, info.first);
  if (info.audioStart >= info.audioEnd) return std::nullopt;
  const std::uint64_t firstFrame = info.audioStart;
  ReadInfoFrame(source, info);
  if (!info.totalFrames) {
    // Constant bit rate, or VBR without a header frame: judge by the first frame.
    const double bytesPerPcmFrame =
        static_cast<double>(info.first.bitrateKbps) * 1000 / 8 / info.first.sampleRate;
    info.totalFrames = static_cast<std::uint64_t>((info.audioEnd - firstFrame) / bytesPerPcmFrame);
  }
  return info;
}

Mp3FrameReader::Mp3FrameReader(ByteSource& source, const Mp3Info& info)
    : source_(source), info_(info), at_(info.audioStart) {}

bool Mp3FrameReader::Next(std::vector<std::uint8_t>& frame) {
  if (at_ >= info_.audioEnd) return false;
  auto header = HeaderAt(source_, at_);
  if (!header || !header->SameStream(info_.first)) {
    if (!Resync()) return false;
    header = HeaderAt(source_, at_);
  }
  if (at_ + header->frameBytes > info_.audioEnd) {
    at_ = info_.audioEnd;  // a cut-off last frame is dropped
    return false;
  }
  frame.resize(header->frameBytes);
  if (source_.ReadAt(at_, frame.data(), frame.size()) != frame.size()) {
    at_ = info_.audioEnd;
    return false;
  }
  at_ += header->frameBytes;
  return true;
}

bool Mp3FrameReader::Resync() {
  FrameHeader found;
  at_ = FindTrusted(source_, at_ + 1, info_.audioEnd, found);
  while (at_ < info_.audioEnd && !found.SameStream(info_.first))
    at_ = FindTrusted(source_, at_ + 1, info_.audioEnd, found);
  return at_ < info_.audioEnd;
}

void Mp3FrameReader::MoveTo(std::uint64_t offset) {
  at_ = std::clamp(offset, info_.audioStart, info_.audioEnd);
  auto header = HeaderAt(source_, at_);
  if (!header || !header->SameStream(info_.first)) Resync();
}

}  // namespace bass
