#include "WavDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ToneAnalysis.h"

using namespace bass;

namespace {

std::string Fixture(const char* name) { return std::string(BASS_FIXTURES) + "/" + name; }

std::vector<float> DecodeAll(Decoder& decoder) {
  std::vector<float> all;
  std::vector<float> block(1000 * decoder.Format().channels);
  while (std::size_t got = decoder.Read(block.data(), 1000))
    all.insert(all.end(), block.begin(), block.begin() + got * decoder.Format().channels);
  return all;
}

struct WavCase {
  const char* file;
  std::uint32_t rate;
  std::uint32_t channels;
};

class WavFormats : public testing::TestWithParam<WavCase> {};

// Every layout sox writes plays as the same half-scale 440 Hz tone of one second.
TEST_P(WavFormats, DecodeToTheTone) {
  const WavCase c = GetParam();
  std::unique_ptr<ByteSource> source = FileSource::Open(Fixture(c.file), 0, 0);
  ASSERT_TRUE(source);
  WavStatus status;
  auto decoder = OpenWav(source, status);
  ASSERT_TRUE(decoder) << c.file;
  EXPECT_EQ(decoder->Format().rate, c.rate);
  EXPECT_EQ(decoder->Format().channels, c.channels);
  EXPECT_EQ(decoder->LengthFrames(), c.rate);
  const auto samples = DecodeAll(*decoder);
  ASSERT_EQ(samples.size(), std::size_t{c.rate} * c.channels);
  for (std::uint32_t ch = 0; ch < c.channels; ++ch) {
    const auto one = tone::Channel(samples, c.channels, ch);
    EXPECT_NEAR(tone::Frequency(one, c.rate), 440.0, 0.5) << c.file;
    EXPECT_NEAR(tone::Rms(one), 0.5 / std::sqrt(2.0), 0.01) << c.file;
  }
  // A jump lands exactly where asked.
  ASSERT_TRUE(decoder->Seek(c.rate / 2));
  EXPECT_EQ(DecodeAll(*decoder).size(), std::size_t{c.rate / 2} * c.channels);
  EXPECT_FALSE(decoder->Seek(c.rate + 1));
}

INSTANTIATE_TEST_SUITE_P(Sox, WavFormats,
                         testing::Values(WavCase{"wav-s16-stereo.wav", 44100, 2}, WavCase{"wav-s16-mono.wav", 44100, 1},
                                         WavCase{"wav-u8-stereo.wav", 44100, 2}, WavCase{"wav-s24-stereo.wav", 48000, 2},
                                         WavCase{"wav-s32-mono.wav", 44100, 1}, WavCase{"wav-f32-stereo.wav", 44100, 2},
                                         WavCase{"wav-ext-s24-stereo.wav", 44100, 2},
                                         WavCase{"wav-ext-f32-mono.wav", 22050, 1}));

std::vector<std::uint8_t> Header(std::uint32_t dataSize, std::uint16_t tag = 1, std::uint16_t bits = 16) {
  std::vector<std::uint8_t> b(44);
  auto put32 = [&](int at, std::uint32_t v) { std::memcpy(&b[at], &v, 4); };
  auto put16 = [&](int at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); };
  std::memcpy(&b[0], "RIFF", 4);
  put32(4, 36 + dataSize);
  std::memcpy(&b[8], "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, tag);
  put16(22, 2);
  put32(24, 44100);
  put32(28, 44100 * 4);
  put16(32, 4);
  put16(34, bits);
  std::memcpy(&b[36], "data", 4);
  put32(40, dataSize);
  return b;
}

WavStatus Parse(const std::vector<std::uint8_t>& bytes, WavLayout& layout) {
  MemorySource source(bytes.data(), bytes.size());
  return ParseWav(source, layout);
}

TEST(WavParser, DataSizeBeyondTheFileIsClampedToIt) {
  auto bytes = Header(0xFFFFFFF0u);
  bytes.resize(bytes.size() + 4003, 0);  // 1000 frames and a stray 3 bytes
  WavLayout layout;
  ASSERT_EQ(Parse(bytes, layout), WavStatus::kOk);
  EXPECT_EQ(layout.dataSize, 4000u);
}

TEST(WavParser, RejectsWhatItCannotPlay) {
  WavLayout layout;
  EXPECT_EQ(Parse({}, layout), WavStatus::kNotWav);
  EXPECT_EQ(Parse({'R', 'I', 'F', 'F'}, layout), WavStatus::kNotWav);
  std::vector<std::uint8_t> random(5000);
  for (std::size_t i = 0; i < random.size(); ++i) random[i] = static_cast<std::uint8_t>(i * 7919 % 251);
  EXPECT_EQ(Parse(random, layout), WavStatus::kNotWav);
  EXPECT_EQ(Parse(Header(0, 2), layout), WavStatus::kUnsupported);       // ADPCM
  EXPECT_EQ(Parse(Header(0, 1, 12), layout), WavStatus::kUnsupported);   // 12-bit
  EXPECT_EQ(Parse(Header(0, 3, 16), layout), WavStatus::kUnsupported);   // 16-bit float

  std::unique_ptr<ByteSource> adpcm = FileSource::Open(Fixture("wav-adpcm.wav"), 0, 0);
  ASSERT_TRUE(adpcm);
  WavStatus status;
  EXPECT_FALSE(OpenWav(adpcm, status));
  EXPECT_EQ(status, WavStatus::kUnsupported);
  EXPECT_TRUE(adpcm) << "a failed open leaves the source to the caller";
}

TEST(WavParser, ChunkWalkEndsOnHugeChunkSizes) {
  auto bytes = Header(0);
  // An unknown chunk claiming 4 GB before any data chunk: no data, no endless walk.
  std::memcpy(&bytes[36], "junk", 4);
  const std::uint32_t huge = 0xFFFFFFFFu;
  std::memcpy(&bytes[40], &huge, 4);
  bytes.resize(200, 0);
  WavLayout layout;
  EXPECT_EQ(Parse(bytes, layout), WavStatus::kUnsupported);
}

TEST(WavParser, TruncatedFileEndsPlaybackEarly) {
  std::vector<std::uint8_t> whole;
  {
    std::unique_ptr<ByteSource> file = FileSource::Open(Fixture("wav-s16-stereo.wav"), 0, 0);
    whole.resize(file->Size());
    file->ReadAt(0, whole.data(), whole.size());
  }
  whole.resize(44 + 4 * 1000 + 2);  // cut inside a frame
  std::unique_ptr<ByteSource> source = std::make_unique<OwnedMemorySource>(whole);
  WavStatus status;
  auto decoder = OpenWav(source, status);
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->LengthFrames(), 1000u);
  EXPECT_EQ(DecodeAll(*decoder).size(), 2000u);
}

}  // namespace
