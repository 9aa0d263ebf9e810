// The player's own logic over a table of recording functions: defaults, order of sources,
// what reaches the library and what comes back.
#include "AudioPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using testing::ElementsAre;
using testing::IsEmpty;

namespace {

// What the recording functions saw, and what they answer.
struct Library {
  std::vector<std::string> calls;
  std::map<std::string, int> resolved;
  bass::Qword position = 0;
  const char* tags = nullptr;
  bass::Dword dataResult = 512;
  std::vector<float> spectrum;
  const char* deviceName = nullptr;
  bass::Dword device = 1;
};
Library* lib = nullptr;

template <typename... Args>
void Log(const char* name, const Args&... args) {
  std::ostringstream line;
  line << name << "(";
  [[maybe_unused]] const char* separator = "";
  ((line << separator << args, separator = ","), ...);
  line << ")";
  lib->calls.push_back(line.str());
}

std::string Text(const void* text, bass::Dword flags) {
  if (!(flags & bass::kUnicode)) return static_cast<const char*>(text);
  std::string out;
  for (const wchar_t* w = static_cast<const wchar_t*>(text); *w; ++w) out.push_back(static_cast<char>(*w));
  return "L:" + out;
}

namespace fn {
bass::Bool Init(int d, bass::Dword f, bass::Dword fl, void* w, const void* c) { Log("Init", d, f, fl, w != nullptr, c != nullptr); return 1; }
bass::Bool Free() { Log("Free"); return 1; }
bass::Dword GetDevice() { Log("GetDevice"); return lib->device; }
bass::Bool GetDeviceInfo(bass::Dword d, bass::DeviceInfo* info) {
  Log("GetDeviceInfo", d);
  if (!lib->deviceName) return 0;
  info->name = lib->deviceName;
  return 1;
}
bass::Bool SetVolume(float v) { Log("SetVolume", v); return 1; }
float GetVolume() { Log("GetVolume"); return 0.75f; }
int ErrorGetCode() { return 0; }
bass::Handle StreamCreateFile(bass::Bool mem, const void* file, bass::Qword offset, bass::Qword length, bass::Dword flags) {
  Log("StreamCreateFile", mem, mem ? std::string(static_cast<const char*>(file), length) : Text(file, flags), offset, length, flags);
  return 77;
}
bass::Handle StreamCreateURL(const void* url, bass::Dword offset, bass::Dword flags, void* proc, void* user) {
  Log("StreamCreateURL", Text(url, flags), offset, flags, proc != nullptr, user != nullptr);
  return 78;
}
bass::Bool StreamFree(bass::Handle h) { Log("StreamFree", h); return 1; }
bass::Bool ChannelPlay(bass::Dword h, bass::Bool r) { Log("ChannelPlay", h, r); return 1; }
bass::Bool ChannelPause(bass::Dword h) { Log("ChannelPause", h); return 1; }
bass::Bool ChannelStop(bass::Dword h) { Log("ChannelStop", h); return 1; }
bass::Dword ChannelIsActive(bass::Dword h) { Log("ChannelIsActive", h); return 3; }
bass::Qword ChannelGetPosition(bass::Dword h, bass::Dword m) { Log("ChannelGetPosition", h, m); return lib->position; }
bass::Bool ChannelSetPosition(bass::Dword h, bass::Qword p, bass::Dword m) { Log("ChannelSetPosition", h, p, m); return 1; }
bass::Qword ChannelGetLength(bass::Dword h, bass::Dword m) { Log("ChannelGetLength", h, m); return lib->position; }
const char* ChannelGetTags(bass::Dword h, bass::Dword t) { Log("ChannelGetTags", h, t); return lib->tags; }
bass::Dword ChannelGetData(bass::Dword h, void* buffer, bass::Dword length) {
  Log("ChannelGetData", h, length);
  std::copy(lib->spectrum.begin(), lib->spectrum.end(), static_cast<float*>(buffer));
  return lib->dataResult;
}
bass::Bool ChannelSetAttribute(bass::Dword h, bass::Dword a, float v) { Log("ChannelSetAttribute", h, a, v); return 1; }
bass::Bool ChannelGetAttribute(bass::Dword h, bass::Dword a, float* v) { Log("ChannelGetAttribute", h, a); *v = 0.25f; return 1; }
double ChannelBytes2Seconds(bass::Dword h, bass::Qword p) { Log("ChannelBytes2Seconds", h, p); return 1.5; }
bass::Qword ChannelSeconds2Bytes(bass::Dword h, double s) { Log("ChannelSeconds2Bytes", h, s); return lib->position; }
}  // namespace fn

void* Resolve(const char* name) {
  ++lib->resolved[name];
  static const std::map<std::string, void*> table = {
      {"BASS_Init", reinterpret_cast<void*>(&fn::Init)}, {"BASS_Free", reinterpret_cast<void*>(&fn::Free)},
      {"BASS_GetDevice", reinterpret_cast<void*>(&fn::GetDevice)},
      {"BASS_GetDeviceInfo", reinterpret_cast<void*>(&fn::GetDeviceInfo)},
      {"BASS_SetVolume", reinterpret_cast<void*>(&fn::SetVolume)}, {"BASS_GetVolume", reinterpret_cast<void*>(&fn::GetVolume)},
      {"BASS_ErrorGetCode", reinterpret_cast<void*>(&fn::ErrorGetCode)},
      {"BASS_StreamCreateFile", reinterpret_cast<void*>(&fn::StreamCreateFile)},
      {"BASS_StreamCreateURL", reinterpret_cast<void*>(&fn::StreamCreateURL)},
      {"BASS_StreamFree", reinterpret_cast<void*>(&fn::StreamFree)},
      {"BASS_ChannelPlay", reinterpret_cast<void*>(&fn::ChannelPlay)},
      {"BASS_ChannelPause", reinterpret_cast<void*>(&fn::ChannelPause)},
      {"BASS_ChannelStop", reinterpret_cast<void*>(&fn::ChannelStop)},
      {"BASS_ChannelIsActive", reinterpret_cast<void*>(&fn::ChannelIsActive)},
      {"BASS_ChannelGetPosition", reinterpret_cast<void*>(&fn::ChannelGetPosition)},
      {"BASS_ChannelSetPosition", reinterpret_cast<void*>(&fn::ChannelSetPosition)},
      {"BASS_ChannelGetLength", reinterpret_cast<void*>(&fn::ChannelGetLength)},
      {"BASS_ChannelGetTags", reinterpret_cast<void*>(&fn::ChannelGetTags)},
      {"BASS_ChannelGetData", reinterpret_cast<void*>(&fn::ChannelGetData)},
      {"BASS_ChannelSetAttribute", reinterpret_cast<void*>(&fn::ChannelSetAttribute)},
      {"BASS_ChannelGetAttribute", reinterpret_cast<void*>(&fn::ChannelGetAttribute)},
      {"BASS_ChannelBytes2Seconds", reinterpret_cast<void*>(&fn::ChannelBytes2Seconds)},
      {"BASS_ChannelSeconds2Bytes", reinterpret_cast<void*>(&fn::ChannelSeconds2Bytes)},
  };
  auto it = table.find(name);
  return it == table.end() ? nullptr : it->second;
}

class AudioPlayerTest : public testing::Test {
 protected:
  AudioPlayerTest() : player(BassBinding{Resolve, nullptr}) { lib = &library; }
  ~AudioPlayerTest() override { lib = nullptr; }
  Library library;
  AudioPlayer player;
};

TEST_F(AudioPlayerTest, InitDeviceFillsTheDefaults) {
  EXPECT_EQ(player.InitDevice(), 1);
  EXPECT_EQ(player.InitDevice(3), 1);
  EXPECT_EQ(player.InitDevice(0, 22050, 4), 1);
  EXPECT_THAT(library.calls, ElementsAre("Init(-1,44100,0,0,0)", "Init(3,44100,0,0,0)", "Init(0,22050,4,0,0)"));
}

TEST_F(AudioPlayerTest, PlayOfNoStreamMakesNoCall) {
  EXPECT_EQ(player.Play(0), 0);
  EXPECT_THAT(library.calls, IsEmpty());
  EXPECT_EQ(player.Play(5), 1);
  EXPECT_EQ(player.Play(5, false), 1);
  EXPECT_THAT(library.calls, ElementsAre("ChannelPlay(5,1)", "ChannelPlay(5,0)"));
}

TEST_F(AudioPlayerTest, CreateStreamTakesTheFirstSourceThatExists) {
  const auto file = std::filesystem::temp_directory_path() / "audio-player-test.wav";
  std::ofstream(file) << "RIFF";
  const std::wstring existing = file.wstring();
  const std::wstring missing = L"/no/such/file.mp3";
  const std::vector<std::uint8_t> bytes = {'a', 'b', 'c'};
  const std::string seenPath = "L:" + file.string();

  EXPECT_EQ(player.CreateStream(L"", {}, L""), 0u);
  EXPECT_EQ(player.CreateStream(missing), 0u);
  EXPECT_THAT(library.calls, IsEmpty());

  EXPECT_EQ(player.CreateStream(existing), 77u);
  EXPECT_EQ(player.CreateStream(existing, bytes, L"http://x/y.mp3", 9), 77u);
  EXPECT_EQ(player.CreateStream(missing, bytes, L"http://x/y.mp3"), 77u);
  EXPECT_EQ(player.CreateStream(missing, {}, L"http://x/y.mp3", 5), 78u);
  EXPECT_EQ(player.CreateStream(L"", {}, L"http://x/y.mp3"), 78u);
  const std::string unicode = std::to_string(bass::kUnicode);
  EXPECT_THAT(library.calls,
              ElementsAre("StreamCreateFile(0," + seenPath + ",0,0," + unicode + ")",
                          "StreamCreateFile(0," + seenPath + ",9,0," + unicode + ")",
                          "StreamCreateFile(1,abc,0,3,0)",
                          "StreamCreateURL(L:http://x/y.mp3,5," + unicode + ",0,0)",
                          "StreamCreateURL(L:http://x/y.mp3,0," + unicode + ",0,0)"));
  std::filesystem::remove(file);
}

TEST_F(AudioPlayerTest, ChannelCallsPassArgumentsAndResultsThrough) {
  EXPECT_EQ(player.SetChannelVolume(9, 0.5f), 1);
  EXPECT_EQ(player.SetChannelVolume(9, 1.75f), 1);  // outside 0..1: passed unchanged
  float volume = 0;
  EXPECT_EQ(player.GetChannelVolume(9, volume), 1);
  EXPECT_EQ(volume, 0.25f);
  EXPECT_EQ(player.Pause(9), 1);
  EXPECT_EQ(player.Stop(9), 1);
  EXPECT_EQ(player.FreeStream(0), 1);  // the library decides; the player does not check
  EXPECT_EQ(player.IsActive(9), 3u);
  EXPECT_EQ(player.SetPosition(9, 0x100000002ull), 1);
  EXPECT_EQ(player.BytesToSeconds(9, 0x100000002ull), 1.5);
  EXPECT_EQ(player.SetMasterVolume(0.5f), 1);
  EXPECT_EQ(player.GetMasterVolume(), 0.75f);
  EXPECT_EQ(player.FreeDevice(), 1);
  EXPECT_THAT(library.calls,
              ElementsAre("ChannelSetAttribute(9,2,0.5)", "ChannelSetAttribute(9,2,1.75)", "ChannelGetAttribute(9,2)",
                          "ChannelPause(9)", "ChannelStop(9)", "StreamFree(0)", "ChannelIsActive(9)",
                          "ChannelSetPosition(9,4294967298,0)", "ChannelBytes2Seconds(9,4294967298)", "SetVolume(0.5)",
                          "GetVolume()", "Free()"));
}

TEST_F(AudioPlayerTest, PositionsKeepTheLow32Bits) {
  struct Case { bass::Qword library; std::int32_t seen; };
  for (const Case c : {Case{5, 5}, Case{0x100000005ull, 5}, Case{0x80000000ull, INT32_MIN}, Case{~0ull, -1}}) {
    library.position = c.library;
    EXPECT_EQ(player.GetPosition(1), c.seen);
    EXPECT_EQ(player.GetLength(1), c.seen);
    EXPECT_EQ(player.SecondsToBytes(1, 2.0), c.seen);
  }
  EXPECT_EQ(library.calls[0], "ChannelGetPosition(1,0)");
  EXPECT_EQ(library.calls[1], "ChannelGetLength(1,0)");
}

TEST_F(AudioPlayerTest, TagsAreCopiedUpToTheFirstZero) {
  EXPECT_EQ(player.GetTags(4), "");
  const char block[] = "TAGTitle\0Artist";
  library.tags = block;
  EXPECT_EQ(player.GetTags(4), "TAGTitle");
  EXPECT_EQ(library.calls.back(), "ChannelGetTags(4,0)");
}

TEST_F(AudioPlayerTest, SpectrumReplacesTheCallersArray) {
  std::vector<float> spectrum(5, 9.0f);
  library.spectrum = {0.5f, 0.25f};
  EXPECT_EQ(player.GetSpectrum(3, spectrum), 512);
  ASSERT_EQ(spectrum.size(), 128u);
  EXPECT_EQ(spectrum[0], 0.5f);
  EXPECT_EQ(spectrum[1], 0.25f);
  EXPECT_EQ(spectrum[127], 0.0f);
  library.dataResult = static_cast<bass::Dword>(-1);
  EXPECT_EQ(player.GetSpectrum(3, spectrum), -1);
  EXPECT_EQ(library.calls[0], "ChannelGetData(3,2147483648)");
}

TEST_F(AudioPlayerTest, ColorComponent) {
  const int colour = 0x336699;
  EXPECT_EQ(player.ColorComponent(colour, 1), 0x99);
  EXPECT_EQ(player.ColorComponent(colour, 2), 0x66);
  EXPECT_EQ(player.ColorComponent(colour, 3), 0x33);
  EXPECT_EQ(player.ColorComponent(colour, 4), 0);
  EXPECT_EQ(player.ColorComponent(colour, 0), 0);
  // Part 3 is the value divided by 65536: bits above blue come along.
  EXPECT_EQ(player.ColorComponent(0x01336699, 3), 0x133);
}

TEST_F(AudioPlayerTest, DeviceQueries) {
  EXPECT_EQ(player.CurrentDevice(), 1);
  library.device = static_cast<bass::Dword>(-1);
  EXPECT_EQ(player.CurrentDevice(), -1);
  EXPECT_EQ(player.DeviceDescription(2), std::nullopt);
  library.deviceName = "\xE6\x89\xAC\xE5\xA3\xB0\xE5\x99\xA8 (Null Output)";
  EXPECT_EQ(player.DeviceDescription(2), L"扬声器 (Null Output)");
  EXPECT_EQ(player.DeviceDescription(-1), std::nullopt);
}

TEST(AudioPlayerBinding, BindsEachFunctionOnceAtItsFirstCall) {
  Library library;
  lib = &library;
  AudioPlayer player(BassBinding{Resolve, nullptr});
  EXPECT_TRUE(library.resolved.empty());
  player.Stop(1);
  player.Stop(2);
  player.Play(3);
  EXPECT_EQ(library.resolved["BASS_ChannelStop"], 1);
  EXPECT_EQ(library.resolved["BASS_ChannelPlay"], 1);
  EXPECT_EQ(library.resolved.size(), 2u);
  lib = nullptr;
}

TEST(AudioPlayerBinding, MissingFunctionIsReported) {
  std::vector<std::string> missing;
  AudioPlayer player(BassBinding{[](const char*) -> void* { return nullptr; },
                                 [&](const char* library, const char* function) {
                                   missing.push_back(std::string(library) + ":" + function);
                                 }});
  EXPECT_EQ(player.InitDevice(), 0);
  EXPECT_EQ(player.Play(0), 0);  // no call, so nothing is missing
  EXPECT_EQ(player.GetMasterVolume(), -1.0f);
  EXPECT_THAT(missing, ElementsAre("bass.dll:BASS_Init", "bass.dll:BASS_GetVolume"));
}

// A canvas that records what is drawn on it.
class RecordingCanvas final : public SpectrumCanvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override { ops.push_back("clear"); }
  void GradientRect(int x, int y, int w, int h, int top, int bottom) override {
    ops.push_back(Format("bar", x, y, w, h, top, bottom));
  }
  void FillRect(int x, int y, int w, int h, int colour) override { ops.push_back(Format("peak", x, y, w, h, colour)); }
  void Present() override { ops.push_back("present"); }
  std::vector<std::string> ops;

 private:
  template <typename... Args>
  static std::string Format(const char* what, Args... args) {
    std::string s = what;
    ((s += " " + std::to_string(args)), ...);
    return s;
  }
  int width_, height_;
};

TEST_F(AudioPlayerTest, DrawSpectrumBars) {
  // H = 100: 0.05 -> bar 50 with its peak 2 above; 1.0 -> clipped to 98, peak at the top;
  // 0 -> the one-pixel floor and no peak; the fourth bar uses bin 3 (0.0234 -> 23).
  library.spectrum = {0.05f, 1.0f, 0.0f, 0.0234f};
  RecordingCanvas canvas(10, 100);
  player.DrawSpectrum(canvas, 6);
  EXPECT_THAT(canvas.ops, ElementsAre("clear", "bar 1 50 2 100 65535 255", "peak 1 48 2 1 65535",
                                      "bar 4 2 2 100 65535 255", "peak 4 0 2 1 65535", "bar 7 99 2 100 65535 255",
                                      "bar 10 77 2 100 65535 255", "peak 10 75 2 1 65535", "present"));
}

TEST_F(AudioPlayerTest, DrawSpectrumStepsAndStopsOnFailure) {
  library.spectrum = std::vector<float>(128, 0.01f);
  RecordingCanvas wide(400, 50);
  player.DrawSpectrum(wide, 6, 1, 2, 3, 2, 1);
  // Steps of 2 over 400 pixels: 128 bars, then x advances without drawing.
  EXPECT_EQ(std::count_if(wide.ops.begin(), wide.ops.end(), [](auto& op) { return op.rfind("bar", 0) == 0; }), 128);
  EXPECT_EQ(wide.ops[1], "bar 1 46 1 50 1 2");  // 0.01f * 500 falls just short of 5

  library.dataResult = static_cast<bass::Dword>(-1);
  RecordingCanvas failed(10, 100);
  player.DrawSpectrum(failed, 6);
  EXPECT_THAT(failed.ops, ElementsAre("clear"));
}

}  // namespace
