#include "Fft.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace bass {

namespace {

void Transform(std::array<std::complex<double>, kFftSize>& a) {
  // Bit-reversal permutation, then iterative radix-2 butterflies.
  for (int i = 1, j = 0; i < kFftSize; ++i) {
    int bit = kFftSize >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (int len = 2; len <= kFftSize; len <<= 1) {
    const double angle = -2 * std::numbers::pi / len;
    const std::complex<double> step(std::cos(angle), std::sin(angle));
    for (int i = 0; i < kFftSize; i += len) {
      std::complex<double> w(1);
      for (int k = 0; k < len / 2; ++k) {
        const auto u = a[i + k];
        const auto v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
        w *= step;
      }
    }
  }
}

}  // namespace

std::array<float, kFftBins> Spectrum256(const std::array<float, kFftSize>& samples) {
  std::array<std::complex<double>, kFftSize> a;
  for (int i = 0; i < kFftSize; ++i) {
    const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / kFftSize);
    a[i] = samples[i] * window;
  }
  Transform(a);
  std::array<float, kFftBins> bins;
  // A sine of amplitude A gives |X| = A * N / 4 under the Hann window.
  for (int k = 0; k < kFftBins; ++k) bins[k] = static_cast<float>(std::abs(a[k]) * 4 / kFftSize);
  return bins;
}

}  // namespace bass
