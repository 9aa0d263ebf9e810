#include "AudioPlayer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "Utf8.h"

namespace {

constexpr int kBins = 128;
// Comparisons of the bar arithmetic carry this slack, as the drawing always has.
constexpr double kSlack = 0.0000001;

bool IsFile(const std::wstring& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

}  // namespace

int AudioPlayer::InitDevice(std::optional<int> device) { return InitDevice(device, std::nullopt); }

int AudioPlayer::InitDevice(std::optional<int> device, std::optional<std::uint32_t> frequency,
                            std::optional<std::uint32_t> flags, std::optional<void*> window) {
  auto init = bass_.BASS_Init();
  return init ? init(device.value_or(-1), frequency.value_or(44100), flags.value_or(0), window.value_or(nullptr), nullptr)
              : 0;
}

int AudioPlayer::FreeDevice() {
  auto free = bass_.BASS_Free();
  return free ? free() : 0;
}

std::uint32_t AudioPlayer::CreateStream(const std::wstring& path) { return CreateStream(path, {}, {}); }

std::uint32_t AudioPlayer::CreateStream(const std::wstring& path, const std::vector<std::uint8_t>& bytes,
                                        const std::wstring& url, std::optional<std::uint64_t> offset) {
  if (path.empty() && bytes.empty() && url.empty()) return 0;
  const std::uint64_t from = offset.value_or(0);
  if (IsFile(path)) {
    auto create = bass_.BASS_StreamCreateFile();
    return create ? create(0, path.c_str(), from, 0, bass::kUnicode) : 0;
  }
  if (!bytes.empty()) {
    auto create = bass_.BASS_StreamCreateFile();
    return create ? create(1, bytes.data(), from, bytes.size(), 0) : 0;
  }
  if (!url.empty()) {
    auto create = bass_.BASS_StreamCreateURL();
    return create ? create(url.c_str(), static_cast<bass::Dword>(from), bass::kUnicode, nullptr, nullptr) : 0;
  }
  return 0;
}

int AudioPlayer::Play(std::uint32_t stream, bool restart) {
  if (stream == 0) return 0;
  auto play = bass_.BASS_ChannelPlay();
  return play ? play(stream, restart ? 1 : 0) : 0;
}

int AudioPlayer::Pause(std::uint32_t stream) {
  auto pause = bass_.BASS_ChannelPause();
  return pause ? pause(stream) : 0;
}

int AudioPlayer::Stop(std::uint32_t stream) {
  auto stop = bass_.BASS_ChannelStop();
  return stop ? stop(stream) : 0;
}

std::int32_t AudioPlayer::GetPosition(std::uint32_t stream) {
  auto get = bass_.BASS_ChannelGetPosition();
  return get ? static_cast<std::int32_t>(static_cast<std::uint32_t>(get(stream, bass::kPosByte))) : 0;
}

int AudioPlayer::SetPosition(std::uint32_t stream, std::uint64_t position) {
  auto set = bass_.BASS_ChannelSetPosition();
  return set ? set(stream, position, bass::kPosByte) : 0;
}

std::int32_t AudioPlayer::GetLength(std::uint32_t stream) {
  auto get = bass_.BASS_ChannelGetLength();
  return get ? static_cast<std::int32_t>(static_cast<std::uint32_t>(get(stream, bass::kPosByte))) : 0;
}

std::string AudioPlayer::GetTags(std::uint32_t stream) {
  auto get = bass_.BASS_ChannelGetTags();
  const char* tags = get ? get(stream, bass::kTagId3) : nullptr;
  return tags ? std::string(tags) : std::string();
}

std::uint32_t AudioPlayer::IsActive(std::uint32_t stream) {
  auto active = bass_.BASS_ChannelIsActive();
  return active ? active(stream) : 0;
}

int AudioPlayer::FreeStream(std::uint32_t stream) {
  auto free = bass_.BASS_StreamFree();
  return free ? free(stream) : 0;
}

std::int32_t AudioPlayer::GetSpectrum(std::uint32_t stream, std::vector<float>& spectrum) {
  std::vector<float> buffer(kBins, 0.0f);
  auto get = bass_.BASS_ChannelGetData();
  const auto result = get ? static_cast<std::int32_t>(get(stream, buffer.data(), bass::kDataFft256)) : -1;
  spectrum = std::move(buffer);
  return result;
}

int AudioPlayer::SetMasterVolume(float volume) {
  auto set = bass_.BASS_SetVolume();
  return set ? set(volume) : 0;
}

float AudioPlayer::GetMasterVolume() {
  auto get = bass_.BASS_GetVolume();
  return get ? get() : -1.0f;
}

int AudioPlayer::SetChannelVolume(std::uint32_t stream, float volume) {
  auto set = bass_.BASS_ChannelSetAttribute();
  return set ? set(stream, bass::kAttribVol, volume) : 0;
}

int AudioPlayer::GetChannelVolume(std::uint32_t stream, float& volume) {
  auto get = bass_.BASS_ChannelGetAttribute();
  return get ? get(stream, bass::kAttribVol, &volume) : 0;
}

double AudioPlayer::BytesToSeconds(std::uint32_t stream, std::uint64_t position) {
  auto convert = bass_.BASS_ChannelBytes2Seconds();
  return convert ? convert(stream, position) : -1.0;
}

std::int32_t AudioPlayer::SecondsToBytes(std::uint32_t stream, double seconds) {
  auto convert = bass_.BASS_ChannelSeconds2Bytes();
  return convert ? static_cast<std::int32_t>(static_cast<std::uint32_t>(convert(stream, seconds))) : 0;
}

int AudioPlayer::ColorComponent(int colour, int part) const {
  const auto bits = static_cast<std::uint32_t>(colour);
  switch (part) {
    case 1: return static_cast<int>(bits & 0xFF);
    case 2: return static_cast<int>((bits >> 8) & 0xFF);
    case 3: return static_cast<int>(bits / 65536);
    default: return 0;
  }
}

void AudioPlayer::DrawSpectrum(SpectrumCanvas& target, std::uint32_t stream, std::optional<int> low,
                               std::optional<int> high, std::optional<int> peakColour, std::optional<int> step,
                               std::optional<int> width) {
  const int lowColour = low.value_or(0xFFFF);
  const int highColour = high.value_or(255);
  const int peakFill = peakColour.value_or(0xFFFF);
  // A step below 1 would never move on across the canvas.
  const int barStep = std::max(1, step.value_or(3));
  const int barWidth = width.value_or(2);
  target.Clear();
  std::vector<float> values;
  if (GetSpectrum(stream, values) == -1) return;
  const int h = target.Height();
  // Bar and peak heights start at 0 for every frame.
  std::vector<double> bar(kBins, 0.0), peak(kBins, 0.0);
  int i = 0;
  for (int x = 1; x <= target.Width(); x += barStep, ++i) {
    if (i >= kBins) continue;
    // A value the library never should give (NaN, huge) must not make a bar of any size.
    const double scaled = std::clamp(static_cast<double>(values[i]), 0.0, 1.0e6) * h * 10;
    const double v = std::trunc(scaled == scaled ? scaled : 0.0);
    if (v - bar[i] > kSlack) {
      bar[i] = v;
      if (bar[i] - (h - 2) > kSlack) {
        bar[i] = h - 2;
        peak[i] = h;
      }
      if (bar[i] - (peak[i] + 2) > kSlack) peak[i] = bar[i] + 2;
    } else {
      bar[i] -= 3;
      peak[i] -= 1;
      if (bar[i] < 1) bar[i] = 1;
    }
    target.GradientRect(x, h - static_cast<int>(bar[i]), barWidth, h, lowColour, highColour);
    if (peak[i] - 2 > kSlack) target.FillRect(x, h - static_cast<int>(peak[i]), barWidth, 1, peakFill);
  }
  target.Present();
}

int AudioPlayer::CurrentDevice() {
  auto get = bass_.BASS_GetDevice();
  return get ? static_cast<int>(get()) : -1;
}

std::optional<std::wstring> AudioPlayer::DeviceDescription(int device) {
  auto get = bass_.BASS_GetDeviceInfo();
  bass::DeviceInfo info{};
  if (!get || device < 0 || !get(static_cast<bass::Dword>(device), &info)) return std::nullopt;
  return info.name ? FromUtf8(info.name) : std::wstring();
}
