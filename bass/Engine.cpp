#include "Engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "WavDecoder.h"

namespace bass {

namespace {

thread_local int lastError = kOk;

template <typename T>
T Fail(int error, T result) {
  lastError = error;
  return result;
}

template <typename T>
T Ok(T result) {
  lastError = kOk;
  return result;
}

constexpr Qword kBadPosition = ~Qword{0};
constexpr std::uint32_t kDefaultRate = 44100;

}  // namespace

Engine::Engine(EngineHooks hooks) : hooks_(std::move(hooks)) {}

Engine::~Engine() { Free(); }

int Engine::LastError() { return lastError; }

Bool Engine::Init(int device, Dword freq) {
  std::lock_guard lifecycle(lifecycle_);
  {
    std::lock_guard lock(mutex_);
    if (output_) return Fail(kErrorAlready, 0);
  }
  if (device == -1) device = 1;
  if (device < 0) return Fail(kErrorDevice, 0);
  const std::uint32_t rate = freq ? freq : kDefaultRate;
  if (rate < 1000 || rate > 384000) return Fail(kErrorIllParam, 0);
  RenderFn render = [this](float* out, std::size_t frames, std::uint32_t channels) { Render(out, frames, channels); };
  std::unique_ptr<Output> output;
  int error = kOk;
  if (device == 0) {
    output = OpenNullOutput(rate, std::move(render));
  } else {
    if (!hooks_.devices) return Fail(kErrorDevice, 0);
    if (device >= 2 && static_cast<std::size_t>(device - 2) >= hooks_.devices->Endpoints().size())
      return Fail(kErrorDevice, 0);
    output = hooks_.devices->Open(device, rate, std::move(render), error);
    if (!output) return Fail(error ? error : kErrorDevice, 0);
  }
  std::lock_guard lock(mutex_);
  output_ = std::move(output);
  device_ = device;
  masterVolume_ = 1.0f;
  return Ok(1);
}

Bool Engine::Free() {
  std::lock_guard lifecycle(lifecycle_);
  std::unique_ptr<Output> output;
  std::map<Handle, std::unique_ptr<Channel>> channels;
  {
    std::lock_guard lock(mutex_);
    if (!output_) return Fail(kErrorInit, 0);
    output = std::move(output_);
    channels.swap(channels_);
    device_ = -1;
  }
  // The device thread may be waiting for the lock: let go of it before stopping the thread.
  output.reset();
  return Ok(1);
}

Dword Engine::GetDevice() {
  std::lock_guard lock(mutex_);
  if (!output_) return Fail(kErrorInit, static_cast<Dword>(-1));
  return Ok(static_cast<Dword>(device_));
}

const char* Engine::Intern(const std::string& text) { return texts_.insert(text).first->c_str(); }

Bool Engine::GetDeviceInfo(Dword device, DeviceInfo* info) {
  if (!info) return Fail(kErrorIllParam, 0);
  std::string name, driver;
  if (device == 0) {
    name = "No sound";
  } else if (device == 1) {
    name = "Default";
  } else {
    const auto endpoints = hooks_.devices ? hooks_.devices->Endpoints() : std::vector<Endpoint>{};
    if (device - 2 >= endpoints.size()) return Fail(kErrorDevice, 0);
    name = endpoints[device - 2].name;
    driver = endpoints[device - 2].driver;
  }
  std::lock_guard lock(mutex_);
  info->name = Intern(name);
  info->driver = Intern(driver);
  info->flags = kDeviceEnabled | (device == 1 ? kDeviceDefault : 0) |
                (output_ && static_cast<Dword>(device_) == device ? kDeviceInit : 0);
  return Ok(1);
}

Bool Engine::SetVolume(float volume) {
  std::lock_guard lock(mutex_);
  if (!output_) return Fail(kErrorInit, 0);
  if (!(volume >= 0.0f && volume <= 1.0f)) return Fail(kErrorIllParam, 0);
  masterVolume_ = volume;
  return Ok(1);
}

float Engine::GetVolume() {
  std::lock_guard lock(mutex_);
  if (!output_) return Fail(kErrorInit, -1.0f);
  return Ok(masterVolume_);
}

Handle Engine::AddStream(std::unique_ptr<ByteSource> source) {
  // Decoders are opened outside the lock: probing a file must not hold up the device thread.
  WavStatus wav;
  std::unique_ptr<Decoder> decoder = OpenWav(source, wav);
  int error = kErrorFileForm;
  if (!decoder && wav == WavStatus::kUnsupported) error = kErrorCodec;
  if (!decoder && wav == WavStatus::kNotWav && hooks_.openCompressed) decoder = hooks_.openCompressed(source, error);
  if (!decoder) return Fail(error, 0u);
  std::lock_guard lock(mutex_);
  if (!output_) return Fail(kErrorInit, 0u);
  const Handle handle = nextHandle_++;
  channels_.emplace(handle, std::make_unique<Channel>(std::move(decoder), output_->Rate()));
  return Ok(handle);
}

Handle Engine::CreateFileStream(const std::filesystem::path& path, Qword offset, Qword length) {
  {
    std::lock_guard lock(mutex_);
    if (!output_) return Fail(kErrorInit, 0u);
  }
  auto source = FileSource::Open(path, offset, length);
  if (!source) return Fail(kErrorFileOpen, 0u);
  return AddStream(std::move(source));
}

Handle Engine::CreateMemoryStream(const void* data, Qword offset, Qword length) {
  if (!data || offset >= length) return Fail(kErrorIllParam, 0u);
  return AddStream(std::make_unique<MemorySource>(static_cast<const std::uint8_t*>(data) + offset, length - offset));
}

Handle Engine::CreateUrlStream(const std::wstring& url, Dword offset) {
  {
    std::lock_guard lock(mutex_);
    if (!output_) return Fail(kErrorInit, 0u);
  }
  if (!hooks_.fetchUrl) return Fail(kErrorNotAvail, 0u);
  int error = kErrorFileOpen;
  auto body = hooks_.fetchUrl(url, error);
  if (!body) return Fail(error, 0u);
  if (offset >= body->size()) return Fail(kErrorFileForm, 0u);
  body->erase(body->begin(), body->begin() + offset);
  return AddStream(std::make_unique<OwnedMemorySource>(std::move(*body)));
}

Channel* Engine::Find(Dword handle) {
  auto it = channels_.find(handle);
  if (it == channels_.end()) {
    lastError = kErrorHandle;
    return nullptr;
  }
  lastError = kOk;
  return it->second.get();
}

Bool Engine::StreamFree(Handle handle) {
  std::unique_ptr<Channel> doomed;
  std::lock_guard lock(mutex_);
  auto it = channels_.find(handle);
  if (it == channels_.end()) return Fail(kErrorHandle, 0);
  doomed = std::move(it->second);
  channels_.erase(it);
  return Ok(1);
}

Bool Engine::Play(Dword handle, Bool restart) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  channel->Play(restart != 0);
  return Ok(1);
}

Bool Engine::Pause(Dword handle) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  if (channel->GetState() == Channel::State::kStopped) return Fail(kErrorNoPlay, 0);
  if (channel->GetState() == Channel::State::kPaused) return Fail(kErrorAlready, 0);
  channel->Pause();
  return Ok(1);
}

Bool Engine::Stop(Dword handle) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  channel->Stop();
  return Ok(1);
}

Dword Engine::IsActive(Dword handle) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return kActiveStopped;
  switch (channel->GetState()) {
    case Channel::State::kPlaying: return kActivePlaying;
    case Channel::State::kPaused: return kActivePaused;
    default: return kActiveStopped;
  }
}

Qword Engine::GetPosition(Dword handle, Dword mode) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return kBadPosition;
  if (mode != kPosByte) return Fail(kErrorNotAvail, kBadPosition);
  return Ok(channel->PositionBytes());
}

Bool Engine::SetPosition(Dword handle, Qword position, Dword mode) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  if (mode != kPosByte) return Fail(kErrorNotAvail, 0);
  if (!channel->SetPositionBytes(position)) return Fail(kErrorPosition, 0);
  return Ok(1);
}

Qword Engine::GetLength(Dword handle, Dword mode) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return kBadPosition;
  if (mode != kPosByte) return Fail(kErrorNotAvail, kBadPosition);
  return Ok(channel->LengthBytes());
}

const char* Engine::GetTags(Dword handle, Dword tags) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return nullptr;
  if (tags != kTagId3 || !channel->Id3v1()) return Fail(kErrorNotAvail, static_cast<const char*>(nullptr));
  // The block lives inside the channel, so the address stays good until the stream is freed.
  return Ok(channel->Id3v1()->data());
}

Dword Engine::GetData(Dword handle, void* buffer, Dword length) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return static_cast<Dword>(-1);
  if (length != kDataFft256 || !buffer) return Fail(kErrorNotAvail, static_cast<Dword>(-1));
  const auto bins = channel->Spectrum();
  std::memcpy(buffer, bins.data(), sizeof bins);
  return Ok(static_cast<Dword>(kFftSize * channel->BytesPerFrame()));
}

Bool Engine::SetAttribute(Dword handle, Dword attrib, float value) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  if (attrib != kAttribVol) return Fail(kErrorIllType, 0);
  // Taken as given: a volume above 1 amplifies, below 0 inverts; the mix clips at full scale.
  channel->volume = std::isfinite(value) ? value : 0.0f;
  return Ok(1);
}

Bool Engine::GetAttribute(Dword handle, Dword attrib, float* value) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return 0;
  if (attrib != kAttribVol || !value) return Fail(kErrorIllType, 0);
  *value = channel->volume;
  return Ok(1);
}

double Engine::Bytes2Seconds(Dword handle, Qword position) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return -1.0;
  return Ok(static_cast<double>(position / channel->BytesPerFrame()) / channel->Format().rate);
}

Qword Engine::Seconds2Bytes(Dword handle, double seconds) {
  std::lock_guard lock(mutex_);
  Channel* channel = Find(handle);
  if (!channel) return kBadPosition;
  if (!(seconds >= 0 && seconds * channel->Format().rate < 9.0e15)) return Fail(kErrorIllParam, kBadPosition);
  const auto frames = static_cast<Qword>(seconds * channel->Format().rate);
  return Ok(frames * channel->BytesPerFrame());
}

void Engine::Render(float* out, std::size_t frames, std::uint32_t channels) {
  std::fill(out, out + frames * channels, 0.0f);
  std::lock_guard lock(mutex_);
  for (auto& [handle, channel] : channels_) channel->MixInto(out, frames, channels);
  for (std::size_t i = 0; i < frames * channels; ++i) out[i] = std::clamp(out[i] * masterVolume_, -1.0f, 1.0f);
}

}  // namespace bass
