#pragma once
// The library's state behind the exports: the open device, the streams on it, the master
// volume and the last error. One lock guards it all: the device thread takes it for each block
// it mixes, every API call takes it for the call. Windows-free; the Windows parts (device
// output, the MP3 codec, URL fetching) come in through the hooks below.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "BassApi.h"
#include "ByteSource.h"
#include "Channel.h"
#include "Decoder.h"
#include "Output.h"

namespace bass {

struct EngineHooks {
  std::unique_ptr<DeviceBackend> devices;
  // Opens a compressed format (MP3); leaves the source alone and returns nullptr when the
  // bytes are not its format, setting `error`.
  std::function<std::unique_ptr<Decoder>(std::unique_ptr<ByteSource>& source, int& error)> openCompressed;
  // Downloads a URL's body; nullopt and an error code when it cannot.
  std::function<std::optional<std::vector<std::uint8_t>>(const std::wstring& url, int& error)> fetchUrl;
};

class Engine {
 public:
  explicit Engine(EngineHooks hooks);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // Every call sets the calling thread's error code: kOk on success.
  static int LastError();

  Bool Init(int device, Dword freq);
  Bool Free();
  Dword GetDevice();
  Bool GetDeviceInfo(Dword device, DeviceInfo* info);
  Bool SetVolume(float volume);
  float GetVolume();

  Handle CreateFileStream(const std::filesystem::path& path, Qword offset, Qword length);
  Handle CreateMemoryStream(const void* data, Qword offset, Qword length);
  Handle CreateUrlStream(const std::wstring& url, Dword offset);
  Bool StreamFree(Handle handle);

  Bool Play(Dword handle, Bool restart);
  Bool Pause(Dword handle);
  Bool Stop(Dword handle);
  Dword IsActive(Dword handle);
  Qword GetPosition(Dword handle, Dword mode);
  Bool SetPosition(Dword handle, Qword position, Dword mode);
  Qword GetLength(Dword handle, Dword mode);
  const char* GetTags(Dword handle, Dword tags);
  Dword GetData(Dword handle, void* buffer, Dword length);
  Bool SetAttribute(Dword handle, Dword attrib, float value);
  Bool GetAttribute(Dword handle, Dword attrib, float* value);
  double Bytes2Seconds(Dword handle, Qword position);
  Qword Seconds2Bytes(Dword handle, double seconds);

 private:
  Handle AddStream(std::unique_ptr<ByteSource> source);
  Channel* Find(Dword handle);  // under the lock; sets kErrorHandle when missing
  void Render(float* out, std::size_t frames, std::uint32_t channels);
  const char* Intern(const std::string& text);

  EngineHooks hooks_;
  std::mutex lifecycle_;  // serialises Init and Free, which start and stop the device thread
  std::mutex mutex_;
  std::unique_ptr<Output> output_;
  int device_ = -1;
  float masterVolume_ = 1.0f;
  std::map<Handle, std::unique_ptr<Channel>> channels_;
  Handle nextHandle_ = 0x10000;  // never reused, so a stale handle never names a new stream
  std::set<std::string> texts_;  // device texts handed out; they live as long as the library
};

}  // namespace bass
