#pragma once
// The spectrum a channel reports: a Hann-windowed 256-point FFT of its latest samples.
// Windows-free.
#include <array>

namespace bass {

constexpr int kFftSize = 256;
constexpr int kFftBins = kFftSize / 2;

// Magnitudes of bins 0..127, scaled so a full-scale sine centred on a bin reads about 1.0.
std::array<float, kFftBins> Spectrum256(const std::array<float, kFftSize>& samples);

}  // namespace bass
