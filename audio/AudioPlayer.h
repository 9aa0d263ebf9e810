#pragma once
// The application's only way to make sound: a thin object over our audio library. Every
// operation maps to one or two library calls, fills in defaults for omitted arguments and
// returns the library's result unchanged. No fields of its own beyond the bound functions:
// its state is the library's (the open device and the streams on it).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "BassTable.h"
#include "SpectrumCanvas.h"
#include "app/Audio.h"

class AudioPlayer final : public Audio {
 public:
  explicit AudioPlayer(BassBinding binding) : bass_(std::move(binding)) {}

  // The operations in their table order.
  int InitDevice(std::optional<int> device = std::nullopt) override;
  int InitDevice(std::optional<int> device, std::optional<std::uint32_t> frequency,
                 std::optional<std::uint32_t> flags = std::nullopt, std::optional<void*> window = std::nullopt);
  int FreeDevice() override;
  // The first source that works: an existing file, else the bytes, else the URL. Texts go to
  // the library as UTF-16 with its Unicode flag, so any path opens whatever the code page.
  std::uint32_t CreateStream(const std::wstring& path) override;
  std::uint32_t CreateStream(const std::wstring& path, const std::vector<std::uint8_t>& bytes,
                             const std::wstring& url, std::optional<std::uint64_t> offset = std::nullopt);
  int Play(std::uint32_t stream, bool restart = true) override;
  int Pause(std::uint32_t stream);
  int Stop(std::uint32_t stream) override;
  std::int32_t GetPosition(std::uint32_t stream);  // low 32 bits of the byte position
  int SetPosition(std::uint32_t stream, std::uint64_t position);
  std::int32_t GetLength(std::uint32_t stream);  // low 32 bits of the length in bytes
  // The ID3v1 block's bytes up to its first zero byte; empty when there is none.
  std::string GetTags(std::uint32_t stream);
  std::uint32_t IsActive(std::uint32_t stream);
  int FreeStream(std::uint32_t stream) override;
  // Replaces `spectrum` with 128 magnitudes (zeros where the library wrote none); returns the
  // library's result, -1 on failure.
  std::int32_t GetSpectrum(std::uint32_t stream, std::vector<float>& spectrum);
  int SetMasterVolume(float volume);
  float GetMasterVolume();
  int SetChannelVolume(std::uint32_t stream, float volume) override;
  int GetChannelVolume(std::uint32_t stream, float& volume);
  double BytesToSeconds(std::uint32_t stream, std::uint64_t position);
  std::int32_t SecondsToBytes(std::uint32_t stream, double seconds);
  // Part 1 red, 2 green, 3 blue of a 0x00BBGGRR colour; 0 for any other part.
  int ColorComponent(int colour, int part) const;
  void DrawSpectrum(SpectrumCanvas& target, std::uint32_t stream, std::optional<int> low = std::nullopt,
                    std::optional<int> high = std::nullopt, std::optional<int> peak = std::nullopt,
                    std::optional<int> step = std::nullopt, std::optional<int> width = std::nullopt);

  // The library's device queries that the channel list makes directly.
  int CurrentDevice() override;
  std::optional<std::wstring> DeviceDescription(int device) override;

 private:
  BassTable bass_;
};
