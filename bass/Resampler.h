#pragma once
// Converts a stream's sample rate to the device's. The step is the exact ratio of the rates,
// so the pitch is exact; between samples it interpolates with a 4-point cubic. Windows-free.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace bass {

class Resampler {
 public:
  // Fills `out` with up to `frames` input frames; returns how many (0 at the end).
  using Fetch = std::function<std::size_t(float* out, std::size_t frames)>;

  Resampler(std::uint32_t inRate, std::uint32_t outRate, std::uint32_t channels);
  // Output frames written; fewer than asked once the input has ended.
  std::size_t Process(const Fetch& fetch, float* out, std::size_t frames);
  // Forgets the history, for a jump in the input.
  void Reset();

 private:
  bool Ensure(const Fetch& fetch, std::size_t frameIndex);
  double step_;
  std::uint32_t channels_;
  bool passThrough_;
  std::vector<float> in_;  // frames [base - 1, ...) of the input; frame base-1 is history
  double phase_ = 0;       // position relative to in_ frame 1
  bool ended_ = false;
};

}  // namespace bass
