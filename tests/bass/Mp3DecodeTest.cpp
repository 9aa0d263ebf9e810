// MP3 files from lame, decoded through the system's Layer-3 codec as the library plays them.
#include "AcmMp3Decoder.h"

#include <gtest/gtest.h>

#include "ToneAnalysis.h"

using namespace bass;

namespace {

std::unique_ptr<ByteSource> Open(const char* name) {
  return FileSource::Open(std::string(BASS_FIXTURES) + "/" + name, 0, 0);
}

std::vector<float> DecodeAll(Decoder& decoder) {
  const std::uint32_t n = decoder.Format().channels;
  std::vector<float> all, block(777 * n);
  while (std::size_t got = decoder.Read(block.data(), 777)) all.insert(all.end(), block.begin(), block.begin() + got * n);
  return all;
}

struct Mp3Case {
  const char* file;
  std::uint32_t rate;
  std::uint32_t channels;
  double durationTolerance;  // exact with the encoder's delay and padding, else a frame or two
};

class Mp3Decode : public testing::TestWithParam<Mp3Case> {};

TEST_P(Mp3Decode, IsTheOneSecondTone) {
  const Mp3Case c = GetParam();
  auto source = Open(c.file);
  ASSERT_TRUE(source);
  int error = 0;
  auto decoder = OpenMp3(source, error);
  ASSERT_TRUE(decoder) << c.file << " error " << error;
  EXPECT_EQ(decoder->Format().rate, c.rate);
  EXPECT_EQ(decoder->Format().channels, c.channels);
  const auto samples = DecodeAll(*decoder);
  const double seconds = static_cast<double>(samples.size() / c.channels) / c.rate;
  EXPECT_NEAR(seconds, 1.0, c.durationTolerance) << c.file;
  const auto left = tone::Channel(samples, c.channels);
  // Skip the edges, where the encoder fades in and out.
  const std::vector<float> middle(left.begin() + c.rate / 10, left.begin() + c.rate * 9 / 10);
  EXPECT_NEAR(tone::Frequency(middle, c.rate), 440.0, 0.5) << c.file;
  EXPECT_NEAR(tone::Rms(middle), 0.5 / std::sqrt(2.0), 0.03) << c.file;

  // After a jump to the middle, exactly the rest is left.
  ASSERT_TRUE(decoder->Seek(c.rate / 2));
  const auto rest = DecodeAll(*decoder);
  EXPECT_NEAR(static_cast<double>(rest.size() / c.channels) / c.rate, seconds - 0.5, 0.0001) << c.file;
  // Past the frame the jump decodes first, the sound is the very same as without the jump.
  const std::size_t settled = std::size_t{2304} * c.channels;
  const std::size_t half = std::size_t{c.rate / 2} * c.channels;
  ASSERT_GT(rest.size(), settled);
  double worst = 0;
  for (std::size_t i = settled; i < rest.size() && half + i < samples.size(); ++i)
    worst = std::max(worst, std::abs(double{rest[i]} - samples[half + i]));
  EXPECT_LT(worst, 0.001) << c.file;
  const auto restLeft = tone::Channel(rest, c.channels);
  const std::vector<float> restMiddle(restLeft.begin() + c.rate / 10, restLeft.begin() + c.rate * 4 / 10);
  EXPECT_NEAR(tone::Frequency(restMiddle, c.rate), 440.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(Lame, Mp3Decode,
                         testing::Values(Mp3Case{"mp3-cbr.mp3", 44100, 2, 0.002},
                                         Mp3Case{"mp3-vbr.mp3", 44100, 2, 0.002},
                                         Mp3Case{"mp3-id3v2.mp3", 44100, 2, 0.002},
                                         Mp3Case{"mp3-id3v1.mp3", 44100, 2, 0.002},
                                         Mp3Case{"mp3-mpeg2-mono.mp3", 22050, 1, 0.1},
                                         Mp3Case{"mp3-noxing.mp3", 44100, 2, 0.06}));

TEST(Mp3Decode, RefusesWhatIsNoMp3) {
  for (const char* name : {"wav-s16-stereo.wav", "wav-adpcm.wav"}) {
    auto source = Open(name);
    int error = 0;
    EXPECT_FALSE(OpenMp3(source, error)) << name;
    EXPECT_TRUE(source) << "the source stays with the caller";
  }
}

}  // namespace
