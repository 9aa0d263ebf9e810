#include "WavDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "Id3.h"

namespace bass {

namespace {

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;
constexpr std::uint32_t kMaxChannels = 8;

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
         (std::uint32_t{p[3]} << 24);
}

bool ReadFmt(ByteSource& source, std::uint64_t offset, std::uint32_t size, WavLayout& layout) {
  std::uint8_t fmt[40] = {};
  if (size < 16) return false;
  const std::size_t want = std::min<std::uint32_t>(size, sizeof fmt);
  if (source.ReadAt(offset, fmt, want) != want) return false;
  std::uint16_t tag = Le16(fmt);
  layout.format.channels = Le16(fmt + 2);
  layout.format.rate = Le32(fmt + 4);
  layout.blockAlign = Le16(fmt + 12);
  layout.bitsPerSample = Le16(fmt + 14);
  if (tag == kTagExtensible) {
    if (want < 40) return false;
    // The sub-format GUID starts with the plain format tag.
    tag = Le16(fmt + 24);
  }
  if (tag != kTagPcm && tag != kTagFloat) return false;
  layout.isFloat = tag == kTagFloat;
  const auto bits = layout.bitsPerSample;
  if (layout.isFloat ? bits != 32 : (bits != 8 && bits != 16 && bits != 24 && bits != 32)) return false;
  if (layout.format.channels == 0 || layout.format.channels > kMaxChannels) return false;
  if (layout.format.rate < 1000 || layout.format.rate > 384000) return false;
  // Trust the sample size, not a block alignment that disagrees with it.
  layout.blockAlign = static_cast<std::uint16_t>(layout.format.channels * (bits / 8));
  return true;
}

class WavDecoder final : public Decoder {
 public:
  WavDecoder(std::unique_ptr<ByteSource> source, const WavLayout& layout)
      : source_(std::move(source)), layout_(layout), id3_(ReadId3v1(*source_)) {}

  StreamFormat Format() const override { return layout_.format; }
  std::uint64_t LengthFrames() const override { return layout_.dataSize / layout_.blockAlign; }
  const std::optional<std::string>& Id3v1() const override { return id3_; }

  bool Seek(std::uint64_t frame) override {
    if (frame > LengthFrames()) return false;
    frame_ = frame;
    return true;
  }

  std::size_t Read(float* out, std::size_t frames) override {
    frames = static_cast<std::size_t>(std::min<std::uint64_t>(frames, LengthFrames() - frame_));
    const std::size_t bytesPerFrame = layout_.blockAlign;
    std::size_t done = 0;
    while (done < frames) {
      const std::size_t chunk = std::min<std::size_t>(frames - done, 4096);
      raw_.resize(chunk * bytesPerFrame);
      const std::size_t got =
          source_->ReadAt(layout_.dataOffset + frame_ * bytesPerFrame, raw_.data(), raw_.size()) / bytesPerFrame;
      Convert(raw_.data(), out + done * layout_.format.channels, got * layout_.format.channels);
      done += got;
      frame_ += got;
      if (got < chunk) break;  // the file shrank under us: end here
    }
    return done;
  }

 private:
  void Convert(const std::uint8_t* in, float* out, std::size_t samples) const {
    switch (layout_.bitsPerSample) {
      case 8:
        for (std::size_t i = 0; i < samples; ++i) out[i] = (in[i] - 128) / 128.0f;
        break;
      case 16:
        for (std::size_t i = 0; i < samples; ++i)
          out[i] = static_cast<std::int16_t>(Le16(in + 2 * i)) / 32768.0f;
        break;
      case 24:
        for (std::size_t i = 0; i < samples; ++i) {
          const std::uint8_t* p = in + 3 * i;
          const std::int32_t v = static_cast<std::int32_t>((std::uint32_t{p[0]} << 8) | (std::uint32_t{p[1]} << 16) |
                                                           (std::uint32_t{p[2]} << 24));
          out[i] = static_cast<float>(v / 2147483648.0);
        }
        break;
      default:
        for (std::size_t i = 0; i < samples; ++i) {
          const std::uint32_t bits = Le32(in + 4 * i);
          if (layout_.isFloat) {
            float f;
            std::memcpy(&f, &bits, sizeof f);
            out[i] = f == f ? std::clamp(f, -1.0f, 1.0f) : 0.0f;  // NaN plays as silence
          } else {
            out[i] = static_cast<float>(static_cast<std::int32_t>(bits) / 2147483648.0);
          }
        }
    }
  }

  std::unique_ptr<ByteSource> source_;
  WavLayout layout_;
  std::optional<std::string> id3_;
  std::uint64_t frame_ = 0;
  std::vector<std::uint8_t> raw_;
};

}  // namespace

WavStatus ParseWav(ByteSource& source, WavLayout& layout) {
  std::uint8_t head[12];
  if (source.ReadAt(0, head, sizeof head) != sizeof head) return WavStatus::kNotWav;
  if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) return WavStatus::kNotWav;
  const std::uint64_t end = source.Size();
  bool haveFmt = false;
  // Each chunk moves us at least 8 bytes on, so the walk ends whatever the sizes claim.
  for (std::uint64_t at = 12; at + 8 <= end;) {
    std::uint8_t chunk[8];
    if (source.ReadAt(at, chunk, 8) != 8) break;
    const std::uint32_t size = Le32(chunk + 4);
    const std::uint64_t body = at + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (!ReadFmt(source, body, size, layout)) return WavStatus::kUnsupported;
      haveFmt = true;
    } else if (std::memcmp(chunk, "data", 4) == 0) {
      if (!haveFmt) return WavStatus::kUnsupported;
      layout.dataOffset = body;
      // Writers that stream leave the size 0 or huge: the data runs to the end of the file.
      std::uint64_t available = end - body;
      layout.dataSize = size == 0 || size > available ? available : size;
      layout.dataSize -= layout.dataSize % layout.blockAlign;
      return WavStatus::kOk;
    }
    at = body + size + (size & 1);
  }
  return haveFmt ? WavStatus::kUnsupported : WavStatus::kNotWav;
}

std::unique_ptr<Decoder> OpenWav(std::unique_ptr<ByteSource>& source, WavStatus& status) {
  WavLayout layout;
  status = ParseWav(*source, layout);
  if (status != WavStatus::kOk) return nullptr;
  return std::make_unique<WavDecoder>(std::move(source), layout);
}

}  // namespace bass
