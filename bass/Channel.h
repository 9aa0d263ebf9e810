#pragma once
// One stream on the open device: its decoder, where it is, whether it plays, how loud.
// The device thread mixes it; every other call comes from the API under the engine's lock.
// Windows-free.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "Decoder.h"
#include "Fft.h"
#include "Resampler.h"

namespace bass {

class Channel {
 public:
  Channel(std::unique_ptr<Decoder> decoder, std::uint32_t deviceRate);

  enum class State { kStopped, kPlaying, kPaused };
  State GetState() const { return state_; }

  // Starts or resumes; `restart` (or a stream that has ended) goes back to the start.
  void Play(bool restart);
  void Pause() { state_ = State::kPaused; }
  void Stop() { state_ = State::kStopped; }

  // Positions and lengths count bytes of the decoded output as 16-bit samples.
  std::uint32_t BytesPerFrame() const { return format_.channels * 2; }
  std::uint64_t PositionBytes() const;
  std::uint64_t LengthBytes() const { return decoder_->LengthFrames() * BytesPerFrame(); }
  bool SetPositionBytes(std::uint64_t bytes);
  const StreamFormat& Format() const { return format_; }

  float volume = 1.0f;

  const std::optional<std::string>& Id3v1() const { return decoder_->Id3v1(); }
  // The spectrum of the latest 256 samples taken from the stream (channels averaged).
  std::array<float, kFftBins> Spectrum() const;

  // Adds this channel's next `frames` frames into `out` (interleaved, `channels` wide) at the
  // device rate. Playing channels that reach their end stop.
  void MixInto(float* out, std::size_t frames, std::uint32_t channels);

 private:
  std::size_t Fetch(float* out, std::size_t frames);

  std::unique_ptr<Decoder> decoder_;
  StreamFormat format_;
  std::uint32_t deviceRate_;
  Resampler resampler_;
  State state_ = State::kStopped;
  bool ended_ = false;
  std::uint64_t startFrame_ = 0;     // stream frame where the device frames below began
  std::uint64_t deviceFrames_ = 0;   // device frames delivered since then
  std::vector<float> scratch_;
  std::array<float, kFftSize> recent_{};  // ring of the latest mono samples
  std::size_t recentAt_ = 0;
};

}  // namespace bass
