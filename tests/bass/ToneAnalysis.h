#pragma once
// Measures decoded or recorded sound: pitch from zero crossings, loudness, a tone's share.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace tone {

// One channel of interleaved samples.
inline std::vector<float> Channel(const std::vector<float>& interleaved, int channels, int which = 0) {
  std::vector<float> out;
  for (std::size_t i = which; i < interleaved.size(); i += channels) out.push_back(interleaved[i]);
  return out;
}

// Frequency from the first to the last rising zero crossing, interpolated between samples.
inline double Frequency(const std::vector<float>& s, double rate) {
  double first = -1, last = -1;
  int crossings = 0;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i - 1] < 0 && s[i] >= 0) {
      const double at = i - 1 + s[i - 1] / (s[i - 1] - s[i]);
      if (first < 0) first = at;
      last = at;
      ++crossings;
    }
  }
  return crossings < 2 ? 0 : (crossings - 1) * rate / (last - first);
}

inline double Rms(const std::vector<float>& s, std::size_t from = 0, std::size_t to = ~std::size_t{0}) {
  to = std::min(to, s.size());
  if (from >= to) return 0;
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += double{s[i]} * s[i];
  return std::sqrt(sum / (to - from));
}

// The level the loudest 1 % of samples reach: a tone's amplitude, unmoved by short gaps.
inline double Peak(std::vector<float> s) {
  if (s.empty()) return 0;
  for (auto& v : s) v = std::abs(v);
  const auto at = s.begin() + static_cast<std::ptrdiff_t>(s.size() * 99 / 100);
  std::nth_element(s.begin(), at, s.end());
  return *at;
}

// Amplitude of the component at `frequency` (Goertzel).
inline double Amplitude(const std::vector<float>& s, double frequency, double rate) {
  const double w = 2 * std::numbers::pi * frequency / rate;
  double re = 0, im = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    re += s[i] * std::cos(w * i);
    im -= s[i] * std::sin(w * i);
  }
  return 2 * std::hypot(re, im) / s.size();
}

// The strongest frequency between `low` and `high` (quarter-hertz steps): the pitch, even when
// stretches of silence were inserted along the way.
inline double Pitch(const std::vector<float>& s, double rate, double low, double high) {
  double best = low, bestAmplitude = -1;
  for (double f = low; f <= high; f += 0.25) {
    const double a = Amplitude(s, f, rate);
    if (a > bestAmplitude) bestAmplitude = a, best = f;
  }
  return best;
}

}  // namespace tone
