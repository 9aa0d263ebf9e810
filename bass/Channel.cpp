#include "Channel.h"

#include <algorithm>

namespace bass {

Channel::Channel(std::unique_ptr<Decoder> decoder, std::uint32_t deviceRate)
    : decoder_(std::move(decoder)),
      format_(decoder_->Format()),
      deviceRate_(deviceRate),
      resampler_(format_.rate, deviceRate, format_.channels) {}

void Channel::Play(bool restart) {
  if (restart || ended_) SetPositionBytes(0);
  state_ = State::kPlaying;
}

std::uint64_t Channel::PositionBytes() const {
  const std::uint64_t played = deviceFrames_ * format_.rate / deviceRate_;
  const std::uint64_t frame = std::min(startFrame_ + played, decoder_->LengthFrames());
  return (ended_ ? decoder_->LengthFrames() : frame) * BytesPerFrame();
}

bool Channel::SetPositionBytes(std::uint64_t bytes) {
  const std::uint64_t frame = bytes / BytesPerFrame();
  if (frame > decoder_->LengthFrames() || !decoder_->Seek(frame)) return false;
  resampler_.Reset();
  startFrame_ = frame;
  deviceFrames_ = 0;
  ended_ = false;
  recent_.fill(0);
  return true;
}

std::size_t Channel::Fetch(float* out, std::size_t frames) {
  const std::size_t got = decoder_->Read(out, frames);
  const std::uint32_t n = format_.channels;
  // Only the latest 256 frames can reach the spectrum.
  for (std::size_t f = got > kFftSize ? got - kFftSize : 0; f < got; ++f) {
    float sum = 0;
    for (std::uint32_t c = 0; c < n; ++c) sum += out[f * n + c];
    recent_[recentAt_] = sum / static_cast<float>(n);
    recentAt_ = (recentAt_ + 1) % kFftSize;
  }
  return got;
}

void Channel::MixInto(float* out, std::size_t frames, std::uint32_t channels) {
  if (state_ != State::kPlaying) return;
  const std::uint32_t n = format_.channels;
  scratch_.resize(frames * n);
  const std::size_t got =
      resampler_.Process([this](float* dst, std::size_t count) { return Fetch(dst, count); }, scratch_.data(), frames);
  // Only the latest 256 frames can reach the spectrum.
  for (std::size_t f = got > kFftSize ? got - kFftSize : 0; f < got; ++f) {
    const float* in = &scratch_[f * n];
    float* o = out + f * channels;
    if (n == 1) {
      for (std::uint32_t c = 0; c < channels; ++c) o[c] += in[0] * volume;
    } else {
      // Stereo and beyond: the stream's first two channels go to the device's first two.
      for (std::uint32_t c = 0; c < channels && c < 2; ++c) o[c] += in[c] * volume;
    }
  }
  deviceFrames_ += got;
  if (got < frames) {
    ended_ = true;
    state_ = State::kStopped;
  }
}

std::array<float, kFftBins> Channel::Spectrum() const {
  std::array<float, kFftSize> ordered;
  for (int i = 0; i < kFftSize; ++i) ordered[i] = recent_[(recentAt_ + i) % kFftSize];
  return Spectrum256(ordered);
}

}  // namespace bass
