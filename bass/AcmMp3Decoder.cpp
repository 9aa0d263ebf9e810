#include "AcmMp3Decoder.h"

#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "BassApi.h"
#include "Id3.h"
#include "Mp3Frames.h"

namespace bass {

namespace {

// Frames handed to the codec per conversion: enough to keep calls few, small enough that a
// Play does not wait on a long decode.
constexpr int kFramesPerFeed = 4;
// Frames decoded ahead of a seek target; enough to hold 511 bytes even in the smallest frames.
constexpr std::uint64_t kSeekLeadFrames = 12;

class AcmStream {
 public:
  AcmStream() = default;
  ~AcmStream() { Close(); }
  AcmStream(const AcmStream&) = delete;
  AcmStream& operator=(const AcmStream&) = delete;

  bool Open(const FrameHeader& h) {
    Close();
    MPEGLAYER3WAVEFORMAT mp3 = {};
    mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
    mp3.wfx.nChannels = static_cast<WORD>(h.channels);
    mp3.wfx.nSamplesPerSec = h.sampleRate;
    mp3.wfx.nAvgBytesPerSec = static_cast<DWORD>(h.bitrateKbps) * 1000 / 8;
    mp3.wfx.nBlockAlign = 1;
    mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
    mp3.wID = MPEGLAYER3_ID_MPEG;
    mp3.fdwFlags = MPEGLAYER3_FLAG_PADDING_ISO;
    mp3.nBlockSize = static_cast<WORD>(h.frameBytes);
    mp3.nFramesPerBlock = 1;
    WAVEFORMATEX pcm = {};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    pcm.nChannels = static_cast<WORD>(h.channels);
    pcm.nSamplesPerSec = h.sampleRate;
    pcm.wBitsPerSample = 16;
    pcm.nBlockAlign = static_cast<WORD>(2 * h.channels);
    pcm.nAvgBytesPerSec = pcm.nBlockAlign * h.sampleRate;
    return acmStreamOpen(&stream_, nullptr, &mp3.wfx, &pcm, nullptr, 0, 0, 0) == 0;
  }

  // Appends what `input` decodes to; `end` flushes what the codec still holds.
  bool Convert(std::vector<std::uint8_t>& input, std::vector<std::int16_t>& pcm, bool end) {
    if (!stream_) return false;
    const bool flushOnly = input.empty();
    if (flushOnly) input.resize(1);  // the codec refuses an empty buffer, even to flush
    // Layer III never decodes to more than 1152 samples per channel from a frame of 24 bytes
    // or more: size generously rather than trust the codec's estimate. Kept between calls.
    const std::size_t need = std::max<std::size_t>(input.size() * 96, 1152 * 2 * 2 * 4);
    if (out_.size() < need) out_.resize(need);
    ACMSTREAMHEADER header = {};
    header.cbStruct = sizeof header;
    header.pbSrc = input.data();
    header.cbSrcLength = static_cast<DWORD>(input.size());
    header.pbDst = out_.data();
    header.cbDstLength = static_cast<DWORD>(out_.size());
    if (acmStreamPrepareHeader(stream_, &header, 0) != 0) return false;
    if (flushOnly) header.cbSrcLength = 0;
    const MMRESULT result = acmStreamConvert(stream_, &header, end ? ACM_STREAMCONVERTF_END : ACM_STREAMCONVERTF_BLOCKALIGN);
    const DWORD produced = header.cbDstLengthUsed;
    header.cbSrcLength = static_cast<DWORD>(input.size());
    acmStreamUnprepareHeader(stream_, &header, 0);
    if (flushOnly) input.clear();
    if (result != 0) return false;
    const std::size_t samples = produced / 2;
    const std::size_t at = pcm.size();
    pcm.resize(at + samples);
    std::memcpy(pcm.data() + at, out_.data(), samples * 2);
    return true;
  }

  void Close() {
    if (stream_) acmStreamClose(stream_, 0);
    stream_ = nullptr;
  }

 private:
  HACMSTREAM stream_ = nullptr;
  std::vector<std::uint8_t> out_;
};

class Mp3Decoder final : public Decoder {
 public:
  Mp3Decoder(std::unique_ptr<ByteSource> source, const Mp3Info& info)
      : source_(std::move(source)), info_(info), reader_(*source_, info_), id3_(ReadId3v1(*source_)) {}

  bool Start() {
    if (!codec_.Open(info_.first)) return false;
    discard_ = info_.skipFrames;
    return true;
  }

  StreamFormat Format() const override { return {info_.first.sampleRate, info_.first.channels}; }
  std::uint64_t LengthFrames() const override { return info_.totalFrames; }
  const std::optional<std::string>& Id3v1() const override { return id3_; }

  std::size_t Read(float* out, std::size_t frames) override {
    const std::uint32_t n = info_.first.channels;
    // The headers know the exact length only when an encoder wrote it down; else play all.
    if (exactLength()) frames = static_cast<std::size_t>(std::min<std::uint64_t>(frames, info_.totalFrames - std::min(delivered_, info_.totalFrames)));
    std::size_t done = 0;
    while (done < frames) {
      if (pcmAt_ == pcm_.size()) {
        pcm_.clear();
        pcmAt_ = 0;
        if (!Decode()) break;
        continue;
      }
      const std::size_t available = (pcm_.size() - pcmAt_) / n;
      if (discard_) {
        const std::size_t drop = static_cast<std::size_t>(std::min<std::uint64_t>(discard_, available));
        pcmAt_ += drop * n;
        discard_ -= drop;
        continue;
      }
      const std::size_t take = std::min(available, frames - done);
      for (std::size_t i = 0; i < take * n; ++i) out[done * n + i] = pcm_[pcmAt_ + i] / 32768.0f;
      pcmAt_ += take * n;
      done += take;
    }
    delivered_ += done;
    return done;
  }

  bool Seek(std::uint64_t frame) override {
    if (frame > LengthFrames() && exactLength()) return false;
    const std::uint32_t spf = info_.first.samplesPerFrame;
    const std::uint64_t raw = frame + info_.skipFrames;
    // Layer III borrows up to 511 bytes from the frames before (the bit reservoir): start that
    // far back. Walking the headers from the start finds those frames exactly, at little cost.
    const std::uint64_t target = raw / spf;
    const std::uint64_t first = target > kSeekLeadFrames ? target - kSeekLeadFrames : 0;
    reader_.MoveTo(info_.audioStart);
    for (std::uint64_t i = 0; i < first; ++i)
      if (!reader_.Next(frame_)) return false;
    if (!codec_.Open(info_.first)) return false;
    pcm_.clear();
    pcmAt_ = 0;
    flushed_ = false;
    delivered_ = frame;
    // Feed the lead-in a frame at a time: the codec drops frames whose borrowed bits it never
    // saw, and each one dropped moves the sound a frame later. It may also hold one frame back.
    std::uint64_t fed = 0;
    while (first + fed < target && reader_.Next(frame_)) {
      codec_.Convert(frame_, pcm_, false);
      ++fed;
    }
    const std::uint64_t produced = pcm_.size() / info_.first.channels / spf;
    const std::uint64_t dropped = fed > produced + 1 ? fed - produced - 1 : 0;
    discard_ = raw - (first + dropped) * spf;
    return true;
  }

 private:
  bool exactLength() const { return info_.skipFrames != 0; }

  bool Decode() {
    if (flushed_) return false;
    batch_.clear();
    for (int i = 0; i < kFramesPerFeed && reader_.Next(frame_); ++i) batch_.insert(batch_.end(), frame_.begin(), frame_.end());
    if (batch_.empty()) {
      flushed_ = true;
      return codec_.Convert(batch_, pcm_, true) && !pcm_.empty();
    }
    if (!codec_.Convert(batch_, pcm_, false)) {
      flushed_ = true;  // a codec error ends the stream rather than spinning on it
      return false;
    }
    return true;
  }

  std::unique_ptr<ByteSource> source_;
  Mp3Info info_;
  Mp3FrameReader reader_;
  std::optional<std::string> id3_;
  AcmStream codec_;
  std::vector<std::uint8_t> frame_;
  std::vector<std::uint8_t> batch_;
  std::vector<std::int16_t> pcm_;
  std::size_t pcmAt_ = 0;
  std::uint64_t discard_ = 0;
  std::uint64_t delivered_ = 0;
  bool flushed_ = false;
};

}  // namespace

std::unique_ptr<Decoder> OpenMp3(std::unique_ptr<ByteSource>& source, int& error) {
  const auto info = ProbeMp3(*source);
  if (!info) {
    error = kErrorFileForm;
    return nullptr;
  }
  std::unique_ptr<ByteSource> taken = std::move(source);
  auto decoder = std::make_unique<Mp3Decoder>(std::move(taken), *info);
  if (!decoder->Start()) {
    error = kErrorCodec;
    return nullptr;  // the source went with the decoder; the caller has nothing left to try
  }
  return decoder;
}

}  // namespace bass
