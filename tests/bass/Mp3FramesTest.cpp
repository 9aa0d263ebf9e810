#include "Mp3Frames.h"

#include <gtest/gtest.h>

#include "Id3.h"

using namespace bass;

namespace {

std::unique_ptr<ByteSource> Open(const char* name) {
  return FileSource::Open(std::string(BASS_FIXTURES) + "/" + name, 0, 0);
}

struct Mp3Case {
  const char* file;
  int version;
  std::uint32_t rate;
  std::uint32_t channels;
  bool exactLength;  // an Info/Xing frame with the encoder's delay and padding (lame writes none for MPEG-2 CBR)
  bool id3v1;
};

class Mp3Files : public testing::TestWithParam<Mp3Case> {};

TEST_P(Mp3Files, ProbeAndWalkTheFrames) {
  const Mp3Case c = GetParam();
  auto source = Open(c.file);
  ASSERT_TRUE(source);
  const auto info = ProbeMp3(*source);
  ASSERT_TRUE(info) << c.file;
  EXPECT_EQ(info->first.version, c.version);
  EXPECT_EQ(info->first.sampleRate, c.rate);
  EXPECT_EQ(info->first.channels, c.channels);
  if (c.exactLength)
    EXPECT_EQ(info->totalFrames, c.rate);  // one second, to the sample
  else
    EXPECT_NEAR(static_cast<double>(info->totalFrames), c.rate, c.rate * 0.1);
  EXPECT_EQ(ReadId3v1(*source).has_value(), c.id3v1);

  // Frames follow each other up to the end of the audio, none of them garbage.
  Mp3FrameReader reader(*source, *info);
  std::vector<std::uint8_t> frame;
  std::uint64_t frames = 0;
  while (reader.Next(frame)) {
    const auto header = ParseFrameHeader(frame.data());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->frameBytes, frame.size());
    ++frames;
  }
  const double seconds = static_cast<double>(frames * info->first.samplesPerFrame) / c.rate;
  EXPECT_GT(seconds, 1.0);
  EXPECT_LT(seconds, 1.15);
}

INSTANTIATE_TEST_SUITE_P(Lame, Mp3Files,
                         testing::Values(Mp3Case{"mp3-cbr.mp3", 1, 44100, 2, true, false},
                                         Mp3Case{"mp3-vbr.mp3", 1, 44100, 2, true, false},
                                         Mp3Case{"mp3-id3v2.mp3", 1, 44100, 2, true, true},
                                         Mp3Case{"mp3-id3v1.mp3", 1, 44100, 2, true, true},
                                         Mp3Case{"mp3-mpeg2-mono.mp3", 2, 22050, 1, false, false},
                                         Mp3Case{"mp3-noxing.mp3", 1, 44100, 2, false, false}));

TEST(Mp3Frames, HeaderFields) {
  const std::uint8_t mpeg1[4] = {0xFF, 0xFB, 0x90, 0x64};  // 128 kbit/s, 44.1 kHz, joint stereo
  const auto h = ParseFrameHeader(mpeg1);
  ASSERT_TRUE(h);
  EXPECT_EQ(h->bitrateKbps, 128);
  EXPECT_EQ(h->frameBytes, 417u);
  const std::uint8_t padded[4] = {0xFF, 0xFB, 0x92, 0x64};
  EXPECT_EQ(ParseFrameHeader(padded)->frameBytes, 418u);
  const std::uint8_t mpeg25[4] = {0xFF, 0xE3, 0x10, 0xC4};  // 8 kbit/s, 11.025 kHz, mono
  const auto low = ParseFrameHeader(mpeg25);
  ASSERT_TRUE(low);
  EXPECT_EQ(low->version, 25);
  EXPECT_EQ(low->sampleRate, 11025u);
  EXPECT_EQ(low->channels, 1u);
  const std::uint8_t layer2[4] = {0xFF, 0xFD, 0x90, 0x64};
  const std::uint8_t freeFormat[4] = {0xFF, 0xFB, 0x00, 0x64};
  const std::uint8_t badRate[4] = {0xFF, 0xFB, 0x9C, 0x64};
  EXPECT_FALSE(ParseFrameHeader(layer2));
  EXPECT_FALSE(ParseFrameHeader(freeFormat));
  EXPECT_FALSE(ParseFrameHeader(badRate));
}

TEST(Mp3Frames, NotAnMp3) {
  std::vector<std::uint8_t> noise(64 * 1024);
  std::uint32_t x = 12345;
  for (auto& b : noise) b = static_cast<std::uint8_t>((x = x * 1103515245 + 12345) >> 24);
  MemorySource random(noise.data(), noise.size());
  EXPECT_FALSE(ProbeMp3(random));
  MemorySource empty(noise.data(), 0);
  EXPECT_FALSE(ProbeMp3(empty));
  // A tag that claims the whole file and then some.
  const std::uint8_t tagOnly[10] = {'I', 'D', '3', 4, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F};
  MemorySource tag(tagOnly, sizeof tagOnly);
  EXPECT_FALSE(ProbeMp3(tag));
}

TEST(Mp3Frames, TruncatedFileStopsAtTheLastWholeFrame) {
  auto file = Open("mp3-cbr.mp3");
  std::vector<std::uint8_t> bytes(file->Size() / 2 + 100);
  file->ReadAt(0, bytes.data(), bytes.size());
  MemorySource half(bytes.data(), bytes.size());
  const auto info = ProbeMp3(half);
  ASSERT_TRUE(info);
  Mp3FrameReader reader(half, *info);
  std::vector<std::uint8_t> frame;
  std::uint64_t end = info->audioStart;
  while (reader.Next(frame)) end += frame.size();
  EXPECT_LE(end, bytes.size());
  EXPECT_GT(end + 418, bytes.size());
}

TEST(Mp3Frames, GarbageBetweenFramesIsSkipped) {
  auto file = Open("mp3-noxing.mp3");
  std::vector<std::uint8_t> bytes(file->Size());
  file->ReadAt(0, bytes.data(), bytes.size());
  MemorySource clean(bytes.data(), bytes.size());
  const auto info = ProbeMp3(clean);
  ASSERT_TRUE(info);
  std::vector<std::uint8_t> frame;
  std::vector<std::uint64_t> offsets;
  Mp3FrameReader cleanReader(clean, *info);
  for (std::uint64_t at = info->audioStart; cleanReader.Next(frame); at += frame.size()) offsets.push_back(at);
  ASSERT_GT(offsets.size(), 30u);
  bytes[offsets[2]] = 0x00;  // smash the third frame's header
  MemorySource damaged(bytes.data(), bytes.size());
  Mp3FrameReader reader(damaged, *info);
  std::size_t frames = 0;
  while (reader.Next(frame)) ++frames;
  EXPECT_EQ(frames, offsets.size() - 1);
}

}  // namespace
