// The spectrum and the resampler: the arithmetic under what a listener hears.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Fft.h"
#include "Resampler.h"
#include "ToneAnalysis.h"

using namespace bass;

TEST(Spectrum, SinePeaksInItsBin) {
  for (int bin : {3, 10, 64, 100}) {
    std::array<float, kFftSize> s;
    for (int i = 0; i < kFftSize; ++i) s[i] = 0.5f * static_cast<float>(std::sin(2 * std::numbers::pi * bin * i / kFftSize));
    const auto bins = Spectrum256(s);
    const auto peak = std::max_element(bins.begin(), bins.end()) - bins.begin();
    EXPECT_EQ(peak, bin);
    EXPECT_NEAR(bins[bin], 0.5, 0.01);
    EXPECT_LT(bins[bin + 5], 0.01);
  }
  std::array<float, kFftSize> silence{};
  for (float v : Spectrum256(silence)) EXPECT_EQ(v, 0.0f);
}

namespace {
std::vector<float> Sine(double frequency, double rate, std::size_t frames, int channels) {
  std::vector<float> s(frames * channels);
  for (std::size_t i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c) s[i * channels + c] = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * frequency * i / rate));
  return s;
}
}  // namespace

TEST(Resampler, KeepsPitchAndDuration) {
  struct Case { std::uint32_t from, to; int channels; };
  for (const Case c : {Case{22050, 44100, 1}, Case{44100, 48000, 2}, Case{48000, 44100, 2}, Case{11025, 48000, 1}}) {
    const auto input = Sine(440, c.from, c.from, c.channels);
    std::size_t at = 0;
    Resampler resampler(c.from, c.to, c.channels);
    auto fetch = [&](float* out, std::size_t frames) {
      const std::size_t n = std::min(frames, input.size() / c.channels - at);
      std::copy_n(input.begin() + at * c.channels, n * c.channels, out);
      at += n;
      return n;
    };
    std::vector<float> output;
    std::vector<float> block(333 * c.channels);  // odd blocks, as the device asks
    while (std::size_t got = resampler.Process(fetch, block.data(), 333))
      output.insert(output.end(), block.begin(), block.begin() + got * c.channels);
    EXPECT_NEAR(static_cast<double>(output.size() / c.channels), c.to, 2) << c.from << "->" << c.to;
    const auto left = tone::Channel(output, c.channels);
    EXPECT_NEAR(tone::Frequency(left, c.to), 440.0, 0.1) << c.from << "->" << c.to;
    EXPECT_NEAR(tone::Rms(left), 0.5 / std::sqrt(2.0), 0.01);
  }
}
