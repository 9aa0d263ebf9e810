#include "WasapiOutput.h"

#include <windows.h>
#include <audioclient.h>
#include <avrt.h>
#include <mmdeviceapi.h>
#include <mmreg.h>
#include <propsys.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "BassApi.h"

using Microsoft::WRL::ComPtr;

namespace bass {

namespace {

constexpr CLSID kMMDeviceEnumerator = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr PROPERTYKEY kFriendlyName = {{0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};
constexpr GUID kSubtypeFloat = {0x00000003, 0x0000, 0x0010, {0x80, 0x00, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
// What we ask the shared-mode engine to buffer: three of its usual 10 ms periods. Less risks
// gaps on a busy machine, more delays every Play.
constexpr REFERENCE_TIME kBufferDuration = 300000;

// COM for the calling thread, in whichever apartment the thread already has.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool ok_;
};

class Handle {
 public:
  explicit Handle(HANDLE h = nullptr) : h_(h) {}
  ~Handle() {
    if (h_) CloseHandle(h_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

std::string Utf8(const wchar_t* text) {
  if (!text) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (n <= 1) return {};
  std::string out(n - 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

ComPtr<IMMDeviceEnumerator> Enumerator() {
  ComPtr<IMMDeviceEnumerator> enumerator;
  CoCreateInstance(kMMDeviceEnumerator, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator));
  return enumerator;
}

std::vector<ComPtr<IMMDevice>> ActiveEndpoints(IMMDeviceEnumerator* enumerator) {
  std::vector<ComPtr<IMMDevice>> devices;
  ComPtr<IMMDeviceCollection> collection;
  if (!enumerator || FAILED(enumerator->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &collection))) return devices;
  UINT count = 0;
  collection->GetCount(&count);
  for (UINT i = 0; i < count; ++i) {
    ComPtr<IMMDevice> device;
    if (SUCCEEDED(collection->Item(i, &device))) devices.push_back(device);
  }
  return devices;
}

Endpoint Describe(IMMDevice* device) {
  Endpoint endpoint;
  LPWSTR id = nullptr;
  if (SUCCEEDED(device->GetId(&id))) {
    endpoint.driver = Utf8(id);
    CoTaskMemFree(id);
  }
  ComPtr<IPropertyStore> store;
  if (SUCCEEDED(device->OpenPropertyStore(STGM_READ, &store))) {
    PROPVARIANT value;
    PropVariantInit(&value);
    if (SUCCEEDED(store->GetValue(kFriendlyName, &value)) && value.vt == VT_LPWSTR) endpoint.name = Utf8(value.pwszVal);
    PropVariantClear(&value);
  }
  if (endpoint.name.empty()) endpoint.name = endpoint.driver;
  return endpoint;
}

// One endpoint being played to. The device thread owns every COM object it uses.
class WasapiOutput final : public Output {
 public:
  WasapiOutput(int device, RenderFn render) : device_(device), render_(std::move(render)) {}

  // Starts the thread and waits until the endpoint runs or fails.
  bool Start(int& error) {
    thread_ = CreateThread(nullptr, 0, &WasapiOutput::ThreadMain, this, 0, nullptr);
    if (!thread_) {
      error = kErrorMem;
      return false;
    }
    WaitForSingleObject(ready_.get(), INFINITE);
    error = error_;
    return error_ == kOk;
  }

  ~WasapiOutput() override {
    if (!thread_) return;
    SetEvent(stop_.get());
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }

  std::uint32_t Rate() const override { return rate_; }
  std::uint32_t Channels() const override { return channels_; }

 private:
  static DWORD WINAPI ThreadMain(void* self) {
    static_cast<WasapiOutput*>(self)->Run();
    return 0;
  }

  void Run() {
    ComScope com;
    ComPtr<IAudioClient> client;
    ComPtr<IAudioRenderClient> renderClient;
    if (!Open(client, renderClient)) {
      SetEvent(ready_.get());  // error_ says why
      return;
    }
    // Mixing is time-critical: ask the scheduler to treat it as audio.
    DWORD taskIndex = 0;
    HANDLE task = AvSetMmThreadCharacteristicsW(L"Pro Audio", &taskIndex);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    Fill(client.Get(), renderClient.Get());
    client->Start();
    SetEvent(ready_.get());
    const HANDLE waits[] = {stop_.get(), bufferEvent_.get()};
    for (;;) {
      const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 200);
      if (woke == WAIT_OBJECT_0) break;
      Fill(client.Get(), renderClient.Get());
    }
    client->Stop();
    if (task) AvRevertMmThreadCharacteristics(task);
  }

  bool Open(ComPtr<IAudioClient>& client, ComPtr<IAudioRenderClient>& renderClient) {
    error_ = kErrorDevice;
    auto enumerator = Enumerator();
    if (!enumerator) return false;
    ComPtr<IMMDevice> device;
    if (device_ == 1) {
      if (FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device))) return false;
    } else {
      auto devices = ActiveEndpoints(enumerator.Get());
      if (device_ - 2 >= static_cast<int>(devices.size())) return false;
      device = devices[device_ - 2];
    }
    error_ = kErrorDriver;
    if (FAILED(device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, &client))) return false;
    WAVEFORMATEX* mix = nullptr;
    if (FAILED(client->GetMixFormat(&mix))) return false;
    rate_ = mix->nSamplesPerSec;
    channels_ = mix->nChannels;
    bits_ = mix->wBitsPerSample;
    isFloat_ = mix->wFormatTag == WAVE_FORMAT_IEEE_FLOAT ||
               (mix->wFormatTag == WAVE_FORMAT_EXTENSIBLE &&
                IsEqualGUID(reinterpret_cast<WAVEFORMATEXTENSIBLE*>(mix)->SubFormat, kSubtypeFloat));
    const HRESULT hr = client->Initialize(AUDCLNT_SHAREMODE_SHARED, AUDCLNT_STREAMFLAGS_EVENTCALLBACK,
                                          kBufferDuration, 0, mix, nullptr);
    CoTaskMemFree(mix);
    if (FAILED(hr)) return false;
    if ((isFloat_ ? bits_ != 32 : (bits_ != 16 && bits_ != 32)) || channels_ == 0) {
      error_ = kErrorFormat;
      return false;
    }
    if (FAILED(client->SetEventHandle(bufferEvent_.get()))) return false;
    if (FAILED(client->GetBufferSize(&bufferFrames_))) return false;
    if (FAILED(client->GetService(IID_PPV_ARGS(&renderClient)))) return false;
    error_ = kOk;
    return true;
  }

  void Fill(IAudioClient* client, IAudioRenderClient* renderClient) {
    UINT32 padding = 0;
    if (FAILED(client->GetCurrentPadding(&padding))) return;
    const UINT32 frames = bufferFrames_ - padding;
    if (!frames) return;
    BYTE* data = nullptr;
    if (FAILED(renderClient->GetBuffer(frames, &data))) return;
    mix_.resize(static_cast<std::size_t>(frames) * channels_);
    render_(mix_.data(), frames, channels_);
    if (isFloat_) {
      std::memcpy(data, mix_.data(), mix_.size() * sizeof(float));
    } else if (bits_ == 16) {
      auto* out = reinterpret_cast<std::int16_t*>(data);
      for (std::size_t i = 0; i < mix_.size(); ++i) out[i] = static_cast<std::int16_t>(mix_[i] * 32767.0f);
    } else {
      auto* out = reinterpret_cast<std::int32_t*>(data);
      for (std::size_t i = 0; i < mix_.size(); ++i) out[i] = static_cast<std::int32_t>(mix_[i] * 2147483520.0f);
    }
    renderClient->ReleaseBuffer(frames, 0);
  }

  int device_;
  RenderFn render_;
  HANDLE thread_ = nullptr;
  Handle ready_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  Handle stop_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  Handle bufferEvent_{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  int error_ = kOk;
  std::uint32_t rate_ = 0;
  std::uint32_t channels_ = 0;
  std::uint32_t bits_ = 0;
  bool isFloat_ = false;
  UINT32 bufferFrames_ = 0;
  std::vector<float> mix_;
};

class WasapiBackend final : public DeviceBackend {
 public:
  std::vector<Endpoint> Endpoints() override {
    ComScope com;
    std::vector<Endpoint> endpoints;
    auto enumerator = Enumerator();
    for (auto& device : ActiveEndpoints(enumerator.Get())) endpoints.push_back(Describe(device.Get()));
    return endpoints;
  }

  std::unique_ptr<Output> Open(int device, std::uint32_t, RenderFn render, int& error) override {
    // Shared mode plays at the engine's mix rate whatever rate was asked for; the channels
    // resample to it.
    auto output = std::make_unique<WasapiOutput>(device, std::move(render));
    if (!output->Start(error)) return nullptr;
    return output;
  }
};

}  // namespace

std::unique_ptr<DeviceBackend> MakeWasapiBackend() { return std::make_unique<WasapiBackend>(); }

}  // namespace bass
