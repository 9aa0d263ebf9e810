#include "Resampler.h"

#include <algorithm>
#include <cmath>

namespace bass {

Resampler::Resampler(std::uint32_t inRate, std::uint32_t outRate, std::uint32_t channels)
    : step_(static_cast<double>(inRate) / outRate), channels_(channels), passThrough_(inRate == outRate) {
  Reset();
}

void Resampler::Reset() {
  // One frame of silence before the first input frame gives the cubic its left neighbour.
  in_.assign(channels_, 0.0f);
  phase_ = 0;
  ended_ = false;
}

bool Resampler::Ensure(const Fetch& fetch, std::size_t frameIndex) {
  // frameIndex counts from in_'s first (history) frame.
  while (in_.size() / channels_ <= frameIndex) {
    if (ended_) return false;
    const std::size_t have = in_.size() / channels_;
    const std::size_t want = std::max<std::size_t>(frameIndex + 1 - have, 1024);
    in_.resize((have + want) * channels_);
    const std::size_t got = fetch(in_.data() + have * channels_, want);
    in_.resize((have + got) * channels_);
    if (got < want) ended_ = true;
  }
  return true;
}

std::size_t Resampler::Process(const Fetch& fetch, float* out, std::size_t frames) {
  if (passThrough_) return fetch(out, frames);
  std::size_t done = 0;
  for (; done < frames; ++done) {
    const double position = phase_ + 1;  // in_ index of the output sample
    const auto i = static_cast<std::size_t>(position);
    if (!Ensure(fetch, i)) break;  // the last real input frame has been passed
    const bool haveNext = Ensure(fetch, i + 2);
    const std::size_t frameCount = in_.size() / channels_;
    const float t = static_cast<float>(position - i);
    for (std::uint32_t c = 0; c < channels_; ++c) {
      auto at = [&](std::size_t k) { return k < frameCount ? in_[k * channels_ + c] : 0.0f; };
      const float y0 = at(i - 1 + (i == 0)), y1 = at(i), y2 = at(i + 1), y3 = haveNext ? at(i + 2) : y2;
      // Catmull-Rom through y1..y2.
      const float a = -0.5f * y0 + 1.5f * y1 - 1.5f * y2 + 0.5f * y3;
      const float b = y0 - 2.5f * y1 + 2 * y2 - 0.5f * y3;
      const float cc = -0.5f * y0 + 0.5f * y2;
      out[done * channels_ + c] = ((a * t + b) * t + cc) * t + y1;
    }
    phase_ += step_;
    // Drop input frames no longer needed, keeping one frame of history.
    const auto consumed = static_cast<std::size_t>(phase_);
    if (consumed >= 4096) {
      in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(consumed * channels_));
      phase_ -= static_cast<double>(consumed);
    }
  }
  return done;
}

}  // namespace bass
