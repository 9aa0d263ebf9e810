// The library heard at the sound card: a PulseAudio null sink recorded from its monitor while
// the player drives plugins/bass.dll, bound by its full path.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "BassLibrary.h"
#include "SinkRecorder.h"
#include "ToneAnalysis.h"

// On a busy machine the sink now and then drops a few milliseconds of what was played; the
// measures below (peaks, ratios, the strongest frequency) hold through such gaps.
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kRate = SinkRecorder::kRate;
constexpr float kLoud = 0.05f;  // the test tones peak at 0.5

std::wstring Fixture(const char* name) {
  const std::string path = std::string(BASS_FIXTURES) + "/" + name;
  return std::wstring(path.begin(), path.end());
}

void Pause(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }
double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Where sound starts and ends in a recording (left channel), in seconds; -1 when never loud.
struct Span {
  double start = -1, end = -1;
};
Span Loud(const std::vector<float>& left, double from = 0) {
  Span span;
  for (std::size_t i = static_cast<std::size_t>(from * kRate); i < left.size(); ++i) {
    if (std::abs(left[i]) > kLoud) {
      if (span.start < 0) span.start = i / kRate;
      span.end = i / kRate;
    }
  }
  return span;
}

std::vector<float> Window(const std::vector<float>& left, double from, double to) {
  const auto a = std::min(left.size(), static_cast<std::size_t>(from * kRate));
  const auto b = std::min(left.size(), static_cast<std::size_t>(to * kRate));
  return std::vector<float>(left.begin() + a, left.begin() + b);
}

PrivateSink* sink = nullptr;

// Records while `play` runs; `play` starts once the recorder delivers.
template <typename Play>
std::vector<float> Record(double seconds, Play play) {
  SinkRecorder recorder(sink->Name(), seconds);
  if (!recorder.Started()) return {};
  recorder.WaitUntilRecording();
  play();
  return tone::Channel(recorder.Samples(), 2);
}

// The device number of this process's own sink, 0 when it is not in the list.
int SinkDevice(AudioPlayer& player) {
  const std::wstring name(sink->Name().begin(), sink->Name().end());
  for (int device = 2; auto description = player.DeviceDescription(device); ++device)
    if (*description == name) return device;
  return 0;
}

class SinkTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sink->Made());
    player = MakeAudioPlayer([] { return std::wstring(L"" BASS_PLUGINS); });
    device = SinkDevice(*player);
    ASSERT_GT(device, 1);
    ASSERT_EQ(player->InitDevice(device), 1);
  }
  void TearDown() override {
    player->FreeDevice();
  }
  std::unique_ptr<AudioPlayer> player;
  int device = 0;
};

TEST_F(SinkTest, FilesAreHeardAtTheirPitch) {
  const auto left = Record(5.6, [&] {
    const std::uint32_t stereo = player->CreateStream(Fixture("mp3-cbr.mp3"));
    // 22,050 Hz mono: resampled to the device's rate on the way out.
    const std::uint32_t mono = player->CreateStream(Fixture("mp3-mpeg2-mono.mp3"));
    EXPECT_EQ(player->Play(stereo), 1);
    Pause(1.5);
    EXPECT_EQ(player->Play(mono), 1);
  });
  ASSERT_GT(left.size(), kRate * 3);
  const Span first = Loud(left);
  ASSERT_GE(first.start, 0);
  const Span firstOnly = Loud(Window(left, 0, first.start + 1.3));
  EXPECT_NEAR(firstOnly.end - firstOnly.start, 1.0, 0.03);
  EXPECT_NEAR(tone::Pitch(Window(left, first.start + 0.1, first.start + 0.9), kRate, 300, 600), 440.0, 1.0);
  const Span second = Loud(left, first.start + 1.3);
  ASSERT_GE(second.start, 0);
  // That file carries no note of the encoder's delay, so its ~50 ms lead-in is played.
  EXPECT_GT(second.start - first.start, 1.49);
  EXPECT_LT(second.start - first.start, 1.6);
  EXPECT_NEAR(tone::Pitch(Window(left, second.start + 0.1, second.start + 0.9), kRate, 300, 600), 440.0, 1.0);
}

TEST_F(SinkTest, VolumeAppliesAtOnceAndStopSilences) {
  double half = 0, mute = 0, full = 0, stop = 0;
  const auto left = Record(5.0, [&] {
    const std::uint32_t stream = player->CreateStream(Fixture("long-440.wav"));
    const auto played = Clock::now();
    EXPECT_EQ(player->Play(stream), 1);
    Pause(0.4);
    half = Since(played);
    player->SetChannelVolume(stream, 0.5f);
    Pause(0.4);
    mute = Since(played);
    player->SetChannelVolume(stream, 0.0f);
    Pause(0.4);
    full = Since(played);
    player->SetChannelVolume(stream, 1.0f);
    Pause(0.4);
    stop = Since(played);
    EXPECT_EQ(player->Stop(stream), 1);
    EXPECT_EQ(player->IsActive(stream), 0u);
  });
  const Span sound = Loud(left);
  ASSERT_GE(sound.start, 0);
  // The recording's clock starts with the sound; a volume change lands within a device period.
  const double t0 = sound.start;
  const double loud = tone::Peak(Window(left, t0 + 0.05, t0 + half - 0.05));
  const double halved = tone::Peak(Window(left, t0 + half + 0.05, t0 + mute - 0.05));
  const double muted = tone::Peak(Window(left, t0 + mute + 0.05, t0 + full - 0.05));
  const double again = tone::Peak(Window(left, t0 + full + 0.05, t0 + stop - 0.05));
  EXPECT_NEAR(loud, 0.5, 0.02);
  EXPECT_NEAR(halved / loud, 0.5, 0.03);
  EXPECT_LT(muted, 0.001);
  EXPECT_NEAR(again / loud, 1.0, 0.03);
  // Silent within one device period (10 ms) of Stop, give or take the clocks' jitter.
  const Span last = Loud(left, t0 + full);
  EXPECT_LT(last.end - t0, stop + 0.025);
  EXPECT_GT(last.end - t0, stop - 0.05);
}

TEST_F(SinkTest, PlayWithRestartStartsAgainFromTheStart) {
  double restart = 0;
  const auto left = Record(4.4, [&] {
    // 0.5 s at 440 Hz, then 0.5 s at 880 Hz.
    const std::uint32_t stream = player->CreateStream(Fixture("two-tones.wav"));
    const auto played = Clock::now();
    EXPECT_EQ(player->Play(stream), 1);
    Pause(0.7);
    restart = Since(played);
    EXPECT_EQ(player->Play(stream, true), 1);
  });
  const Span sound = Loud(left);
  ASSERT_GE(sound.start, 0);
  const double t0 = sound.start;
  const auto before = Window(left, t0 + 0.55, t0 + restart - 0.05);
  const auto after = Window(left, t0 + restart + 0.05, t0 + restart + 0.45);
  EXPECT_GT(tone::Amplitude(before, 880, kRate), 4 * tone::Amplitude(before, 440, kRate));
  EXPECT_GT(tone::Amplitude(after, 440, kRate), 4 * tone::Amplitude(after, 880, kRate));
  EXPECT_NEAR(Loud(left, t0).end - t0, restart + 1.0, 0.05);
}

TEST_F(SinkTest, TwoChannelsMix) {
  const auto left = Record(3.8, [&] {
    const std::uint32_t a = player->CreateStream(Fixture("wav-s16-stereo.wav"));
    const std::uint32_t b = player->CreateStream(Fixture("tone-660.wav"));
    EXPECT_EQ(player->Play(a), 1);
    EXPECT_EQ(player->Play(b), 1);
  });
  const Span sound = Loud(left);
  ASSERT_GE(sound.start, 0);
  const auto both = Window(left, sound.start + 0.1, sound.start + 0.9);
  const double a440 = tone::Amplitude(both, 440, kRate), a660 = tone::Amplitude(both, 660, kRate);
  EXPECT_GT(a440, 0.25);
  EXPECT_NEAR(a660 / a440, 1.0, 0.1);
  EXPECT_LT(tone::Amplitude(both, 550, kRate), 0.05);
  EXPECT_NEAR(tone::Peak(both), 1.0, 0.05);  // in phase now and then: the two add up
}

TEST_F(SinkTest, DeviceListNamesTheSinks) {
  EXPECT_EQ(player->CurrentDevice(), device);
  EXPECT_EQ(player->DeviceDescription(0), L"No sound");
  EXPECT_EQ(player->DeviceDescription(1), L"Default");
  bool found = false;
  for (int d = 2; auto name = player->DeviceDescription(d); ++d) found = found || name->find(L"Null Output") != std::wstring::npos;
  EXPECT_TRUE(found) << "no device is named after the machine's null sink";
  player->FreeDevice();
  EXPECT_EQ(player->InitDevice(), 1);  // the default opens as device 1
  EXPECT_EQ(player->CurrentDevice(), 1);
  player->FreeDevice();
  EXPECT_EQ(player->InitDevice(40), 0);  // no such device
  EXPECT_EQ(player->CurrentDevice(), -1);
}

TEST(NoSoundDevice, PlaysSilentlyWhileItsPositionAdvances) {
  auto player = MakeAudioPlayer([] { return std::wstring(L"" BASS_PLUGINS); });
  ASSERT_EQ(player->InitDevice(0), 1);
  EXPECT_EQ(player->CurrentDevice(), 0);
  ASSERT_TRUE(sink->Made());
  const auto left = Record(2.2, [&] {
    const std::uint32_t stream = player->CreateStream(Fixture("wav-s16-stereo.wav"));
    const auto played = Clock::now();
    EXPECT_EQ(player->Play(stream), 1);
    Pause(0.5);
    const double seconds = player->BytesToSeconds(stream, static_cast<std::uint32_t>(player->GetPosition(stream)));
    EXPECT_NEAR(seconds, Since(played), 0.05);
    EXPECT_EQ(player->IsActive(stream), 1u);
  });
  // The sink sits idle and its monitor delivers little; whatever it delivers must be silent.
  EXPECT_LT(Loud(left).start, 0) << "the no-sound device was heard";
  player->FreeDevice();
}

class PrivateSinkEnvironment final : public testing::Environment {
 public:
  void SetUp() override { sink = new PrivateSink; }
  void TearDown() override {
    delete sink;
    sink = nullptr;
  }
};
const auto* environment = testing::AddGlobalTestEnvironment(new PrivateSinkEnvironment);

}  // namespace
