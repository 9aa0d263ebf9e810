#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "app/Audio.h"

// Records every call the handlers make on the player, in order, as "Name(args)".
class FakeAudio final : public Audio {
 public:
  std::vector<std::wstring> calls;
  std::map<int, std::wstring> devices;  // device number -> description
  bool defaultOpens = false;  // the ten output pairs unless a test lists devices
  std::map<int, bool> deviceOpens;      // absent: opens
  std::uint32_t nextStream = 100;
  std::vector<std::wstring> missingFiles;

  int InitDevice(std::optional<int> device) override {
    calls.push_back(L"InitDevice(" + (device ? std::to_wstring(*device) : L"") + L")");
    const bool opens = device ? (deviceOpens.contains(*device) ? deviceOpens[*device] : true) : defaultOpens;
    open_ = opens ? (device ? *device : 1) : 0;
    return opens ? 1 : 0;
  }
  int FreeDevice() override {
    calls.push_back(L"FreeDevice()");
    open_ = 0;
    return 1;
  }
  std::uint32_t CreateStream(const std::wstring& path) override {
    calls.push_back(L"CreateStream(" + path + L")");
    for (const auto& missing : missingFiles) {
      if (missing == path) return 0;
    }
    return nextStream++;
  }
  int Play(std::uint32_t stream, bool restart) override {
    if (stream == 0) return 0;
    calls.push_back(L"Play(" + std::to_wstring(stream) + L"," + std::to_wstring(restart) + L")");
    return 1;
  }
  int Stop(std::uint32_t stream) override { return Record(L"Stop", stream); }
  int FreeStream(std::uint32_t stream) override { return Record(L"FreeStream", stream); }
  int SetChannelVolume(std::uint32_t stream, float volume) override {
    calls.push_back(L"SetChannelVolume(" + std::to_wstring(stream) + L"," + std::to_wstring(volume) + L")");
    return stream != 0;
  }
  int CurrentDevice() override { return open_ > 0 ? open_ : -1; }
  std::optional<std::wstring> DeviceDescription(int device) override {
    const auto found = devices.find(device);
    if (found == devices.end()) return std::nullopt;
    return found->second;
  }

 private:
  int Record(const wchar_t* name, std::uint32_t stream) {
    calls.push_back(std::wstring(name) + L"(" + std::to_wstring(stream) + L")");
    return stream != 0;
  }
  int open_ = 0;
};
