// The library's handle and channel rules, on the no-sound device, which needs no sound card.
#include "Engine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace bass;
using namespace std::chrono_literals;

namespace {

std::filesystem::path Fixture(const char* name) { return std::filesystem::path(BASS_FIXTURES) / name; }

constexpr Qword kSecondStereo16 = 44100 * 4;

class EngineTest : public testing::Test {
 protected:
  EngineTest() : engine(EngineHooks{}) {}
  Handle Tone() { return engine.CreateFileStream(Fixture("wav-s16-stereo.wav"), 0, 0); }
  Engine engine;
};

TEST_F(EngineTest, DeviceLifecycle) {
  EXPECT_EQ(engine.GetDevice(), static_cast<Dword>(-1));
  EXPECT_EQ(Engine::LastError(), kErrorInit);
  EXPECT_EQ(engine.Free(), 0);  // nothing to free: fails harmlessly
  EXPECT_EQ(engine.Init(7, 44100), 0);  // no such device
  EXPECT_EQ(Engine::LastError(), kErrorDevice);
  ASSERT_EQ(engine.Init(0, 44100), 1);
  EXPECT_EQ(engine.GetDevice(), 0u);
  EXPECT_EQ(engine.Init(0, 44100), 0);
  EXPECT_EQ(Engine::LastError(), kErrorAlready);
  EXPECT_EQ(engine.GetVolume(), 1.0f);
  EXPECT_EQ(engine.SetVolume(0.25f), 1);
  EXPECT_EQ(engine.GetVolume(), 0.25f);
  EXPECT_EQ(engine.SetVolume(1.5f), 0);
  DeviceInfo info{};
  ASSERT_EQ(engine.GetDeviceInfo(0, &info), 1);
  EXPECT_STREQ(info.name, "No sound");
  EXPECT_EQ(info.flags & kDeviceInit, kDeviceInit);
  EXPECT_EQ(engine.GetDeviceInfo(2, &info), 0);  // no endpoints without a backend
  EXPECT_EQ(engine.Free(), 1);
  EXPECT_EQ(engine.Free(), 0);
}

TEST_F(EngineTest, StreamsNeedADeviceAndAReadableFile) {
  EXPECT_EQ(Tone(), 0u);
  EXPECT_EQ(Engine::LastError(), kErrorInit);
  ASSERT_EQ(engine.Init(0, 44100), 1);
  EXPECT_EQ(engine.CreateFileStream(Fixture("missing.wav"), 0, 0), 0u);
  EXPECT_EQ(Engine::LastError(), kErrorFileOpen);
  // No MP3 codec is plugged into this engine: the format is not one it knows.
  EXPECT_EQ(engine.CreateFileStream(Fixture("mp3-cbr.mp3"), 0, 0), 0u);
  EXPECT_EQ(Engine::LastError(), kErrorFileForm);
  EXPECT_EQ(engine.CreateFileStream(Fixture("wav-adpcm.wav"), 0, 0), 0u);
  EXPECT_EQ(Engine::LastError(), kErrorCodec);
  const char bytes[] = "not audio at all";
  EXPECT_EQ(engine.CreateMemoryStream(bytes, 0, sizeof bytes), 0u);
  EXPECT_EQ(engine.CreateMemoryStream(bytes, 20, sizeof bytes), 0u);
  EXPECT_EQ(engine.CreateUrlStream(L"http://localhost/x.mp3", 0), 0u);
}

TEST_F(EngineTest, EveryCallOnABadHandleFailsHarmlessly) {
  ASSERT_EQ(engine.Init(0, 44100), 1);
  const Handle freed = Tone();
  ASSERT_NE(freed, 0u);
  EXPECT_EQ(engine.StreamFree(freed), 1);
  const Handle beforeFree = Tone();
  engine.Free();
  ASSERT_EQ(engine.Init(0, 44100), 1);
  const Handle fresh = Tone();
  EXPECT_NE(fresh, freed);
  EXPECT_NE(fresh, beforeFree);
  float volume = 0;
  for (Handle h : {Handle{0}, freed, beforeFree}) {
    EXPECT_EQ(engine.Play(h, 1), 0);
    EXPECT_EQ(engine.Pause(h), 0);
    EXPECT_EQ(engine.Stop(h), 0);
    EXPECT_EQ(engine.IsActive(h), kActiveStopped);
    EXPECT_EQ(engine.GetPosition(h, kPosByte), ~Qword{0});
    EXPECT_EQ(engine.SetPosition(h, 0, kPosByte), 0);
    EXPECT_EQ(engine.GetLength(h, kPosByte), ~Qword{0});
    EXPECT_EQ(engine.GetTags(h, kTagId3), nullptr);
    float fft[128];
    EXPECT_EQ(engine.GetData(h, fft, kDataFft256), static_cast<Dword>(-1));
    EXPECT_EQ(engine.SetAttribute(h, kAttribVol, 0.5f), 0);
    EXPECT_EQ(engine.GetAttribute(h, kAttribVol, &volume), 0);
    EXPECT_LT(engine.Bytes2Seconds(h, 100), 0);
    EXPECT_EQ(engine.StreamFree(h), 0);
    EXPECT_EQ(Engine::LastError(), kErrorHandle);
  }
}

TEST_F(EngineTest, NoSoundDeviceAdvancesInRealTime) {
  ASSERT_EQ(engine.Init(0, 44100), 1);
  const Handle h = Tone();
  ASSERT_NE(h, 0u);
  EXPECT_EQ(engine.GetLength(h, kPosByte), kSecondStereo16);
  EXPECT_EQ(engine.Bytes2Seconds(h, kSecondStereo16 / 2), 0.5);
  EXPECT_EQ(engine.Seconds2Bytes(h, 0.25), kSecondStereo16 / 4);
  EXPECT_EQ(engine.IsActive(h), kActiveStopped);
  EXPECT_EQ(engine.Pause(h), 0);  // not playing

  const auto started = std::chrono::steady_clock::now();
  ASSERT_EQ(engine.Play(h, 1), 1);
  EXPECT_EQ(engine.IsActive(h), kActivePlaying);
  std::this_thread::sleep_for(300ms);
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const double played = engine.Bytes2Seconds(h, engine.GetPosition(h, kPosByte));
  EXPECT_NEAR(played, elapsed, 0.06);

  ASSERT_EQ(engine.Pause(h), 1);
  EXPECT_EQ(engine.IsActive(h), kActivePaused);
  const Qword paused = engine.GetPosition(h, kPosByte);
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(engine.GetPosition(h, kPosByte), paused);
  ASSERT_EQ(engine.Play(h, 0), 1);  // resume where it was
  EXPECT_GE(engine.GetPosition(h, kPosByte), paused);
  ASSERT_EQ(engine.Play(h, 1), 1);  // restart
  EXPECT_LT(engine.GetPosition(h, kPosByte), paused);

  ASSERT_EQ(engine.SetPosition(h, kSecondStereo16 - 4 * 2205, kPosByte), 1);  // 50 ms before the end
  EXPECT_EQ(engine.SetPosition(h, kSecondStereo16 + 4, kPosByte), 0);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(engine.IsActive(h), kActiveStopped);  // it ran out
  EXPECT_EQ(engine.GetPosition(h, kPosByte), kSecondStereo16);
  ASSERT_EQ(engine.Play(h, 0), 1);  // an ended stream plays again from the start
  EXPECT_LT(engine.GetPosition(h, kPosByte), kSecondStereo16 / 2);
}

TEST_F(EngineTest, VolumeAttributeIsTakenAsGiven) {
  ASSERT_EQ(engine.Init(0, 44100), 1);
  const Handle h = Tone();
  float volume = -1;
  ASSERT_EQ(engine.GetAttribute(h, kAttribVol, &volume), 1);
  EXPECT_EQ(volume, 1.0f);
  for (float v : {0.5f, 0.0f, 1.5f, -0.25f}) {
    ASSERT_EQ(engine.SetAttribute(h, kAttribVol, v), 1);
    ASSERT_EQ(engine.GetAttribute(h, kAttribVol, &volume), 1);
    EXPECT_EQ(volume, v);
  }
  EXPECT_EQ(engine.SetAttribute(h, 99, 1.0f), 0);
  EXPECT_EQ(Engine::LastError(), kErrorIllType);
}

TEST_F(EngineTest, TagsAndSpectrum) {
  ASSERT_EQ(engine.Init(0, 44100), 1);
  const Handle plain = Tone();
  EXPECT_EQ(engine.GetTags(plain, kTagId3), nullptr);
  EXPECT_EQ(Engine::LastError(), kErrorNotAvail);

  // A WAV with an ID3v1 block after its data chunk.
  std::vector<char> bytes;
  {
    std::ifstream in(Fixture("wav-s16-mono.wav"), std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::string tag(128, '\0');
  tag.replace(0, 7, "TAGTone");
  bytes.insert(bytes.end(), tag.begin(), tag.end());
  const Handle tagged = engine.CreateMemoryStream(bytes.data(), 0, bytes.size());
  ASSERT_NE(tagged, 0u);
  const char* id3 = engine.GetTags(tagged, kTagId3);
  ASSERT_NE(id3, nullptr);
  EXPECT_STREQ(id3, "TAGTone");

  // 440 Hz at 44.1 kHz falls in bin 440 * 256 / 44100 = 2.55.
  ASSERT_EQ(engine.Play(plain, 1), 1);
  std::this_thread::sleep_for(100ms);
  float fft[128] = {};
  EXPECT_EQ(engine.GetData(plain, fft, kDataFft256), 256u * 4);
  const auto peak = std::max_element(fft, fft + 128) - fft;
  EXPECT_TRUE(peak == 2 || peak == 3) << peak;
  EXPECT_GT(fft[peak], 0.2f);
  EXPECT_LT(fft[20], 0.01f);
  EXPECT_EQ(engine.GetData(plain, fft, 512), static_cast<Dword>(-1));
}

}  // namespace
