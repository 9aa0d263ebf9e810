#pragma once
#include <cstdint>
#include <optional>
#include <string>

// What the board's handlers ask of the audio player. The program's player binds our audio
// library at run time; tests use a recording fake. Streams are 32-bit handles, 0 = none.
class Audio {
 public:
  virtual ~Audio() = default;

  // Device -1 is the system default; 0 the no-sound device. Nonzero when the device opened.
  virtual int InitDevice(std::optional<int> device = std::nullopt) = 0;
  virtual int FreeDevice() = 0;
  // 0 when the file cannot be opened or decoded.
  virtual std::uint32_t CreateStream(const std::wstring& path) = 0;
  // Makes no library call for stream 0.
  virtual int Play(std::uint32_t stream, bool restart = true) = 0;
  virtual int Stop(std::uint32_t stream) = 0;
  virtual int FreeStream(std::uint32_t stream) = 0;
  virtual int SetChannelVolume(std::uint32_t stream, float volume) = 0;

  // The library's device queries, made outside the player: the number of the open device
  // (above 0 when a real device opened) and a device's description, if it has one.
  virtual int CurrentDevice() = 0;
  virtual std::optional<std::wstring> DeviceDescription(int device) = 0;
};

// Until the audio library is bound: every call fails harmlessly and nothing sounds.
class SilentAudio final : public Audio {
 public:
  int InitDevice(std::optional<int>) override { return 0; }
  int FreeDevice() override { return 0; }
  std::uint32_t CreateStream(const std::wstring&) override { return 0; }
  int Play(std::uint32_t, bool) override { return 0; }
  int Stop(std::uint32_t) override { return 0; }
  int FreeStream(std::uint32_t) override { return 0; }
  int SetChannelVolume(std::uint32_t, float) override { return 0; }
  int CurrentDevice() override { return -1; }
  std::optional<std::wstring> DeviceDescription(int) override { return std::nullopt; }
};
