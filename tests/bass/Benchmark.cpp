// Measures the audio library against baselines taken in the same run, and prints ratios:
//  (a) CreateStream + Play of a 10-minute MP3 against a 1-second one;
//  (b) Play to the first loud sample at the sink, against a minimal WASAPI shared-mode player
//      of pre-decoded PCM;
//  (c) decoding and mixing a 44.1 kHz stereo MP3 against decoding it with the ACM codec alone.
// Usage: bass_benchmark <plugins folder> <1 s mp3> <10 min mp3> <1 s wav>. Run by benchmark.sh.
#include <windows.h>
#include <audioclient.h>
#include <mmdeviceapi.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>
#include <wrl/client.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "AcmMp3Decoder.h"
#include "BassLibrary.h"
#include "Channel.h"
#include "Mp3Frames.h"
#include "SinkRecorder.h"

using Clock = std::chrono::steady_clock;
using Microsoft::WRL::ComPtr;

namespace {

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Watches the recorder's growing file for the first loud sample written after `from` bytes.
class SinkWatch {
 public:
  explicit SinkWatch(const std::string& file) : file_(file) {}
  long long Size() {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(file_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }
  // Seconds from `start` until a loud sample shows up past `from`; -1 after 2 s.
  double WaitLoud(long long from, Clock::time_point start) {
    from -= from % 8;
    while (Seconds(Clock::now() - start) < 2.0) {
      const long long size = Size();
      if (size > from) {
        if (FILE* f = std::fopen(file_.c_str(), "rb")) {
          _fseeki64(f, from, SEEK_SET);
          std::vector<float> chunk(static_cast<std::size_t>((size - from) / 4));
          const std::size_t got = std::fread(chunk.data(), 4, chunk.size(), f);
          std::fclose(f);
          for (std::size_t i = 0; i < got; ++i)
            if (std::abs(chunk[i]) > 0.05f) return Seconds(Clock::now() - start);
          from += static_cast<long long>(got * 4);
        }
      }
      std::this_thread::yield();
    }
    return -1;
  }

 private:
  std::string file_;
};

// The baseline of (b): a minimal shared-mode player that holds a tone in memory and starts
// it on request, the buffer already running with silence as the library's device does.
class ReferencePlayer {
 public:
  bool Start() {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const CLSID enumeratorClass = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
    ComPtr<IMMDeviceEnumerator> enumerator;
    ComPtr<IMMDevice> device;
    if (FAILED(CoCreateInstance(enumeratorClass, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&enumerator))) ||
        FAILED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device)) ||
        FAILED(device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr, &client_)))
      return false;
    WAVEFORMATEX* mix = nullptr;
    client_->GetMixFormat(&mix);
    channels_ = mix->nChannels;
    const HRESULT hr = client_->Initialize(AUDCLNT_SHAREMODE_SHARED, AUDCLNT_STREAMFLAGS_EVENTCALLBACK, 300000, 0, mix, nullptr);
    tone_.resize(static_cast<std::size_t>(mix->nSamplesPerSec) * channels_);
    for (std::size_t i = 0; i < tone_.size(); ++i)
      tone_[i] = 0.5f * static_cast<float>(std::sin(2 * 3.14159265358979 * 440 * (i / channels_) / mix->nSamplesPerSec));
    CoTaskMemFree(mix);
    if (FAILED(hr)) return false;
    client_->SetEventHandle(event_);
    client_->GetBufferSize(&bufferFrames_);
    client_->GetService(IID_PPV_ARGS(&render_));
    thread_ = std::thread([this] { Run(); });
    return true;
  }
  void Play() { playAt_.store(0); playing_.store(true); }
  void Stop() { playing_.store(false); }
  ~ReferencePlayer() {
    quit_.store(true);
    SetEvent(event_);
    if (thread_.joinable()) thread_.join();
    CloseHandle(event_);
  }

 private:
  void Run() {
    Fill();
    client_->Start();
    while (!quit_.load()) {
      WaitForSingleObject(event_, 200);
      Fill();
    }
    client_->Stop();
  }
  void Fill() {
    UINT32 padding = 0;
    client_->GetCurrentPadding(&padding);
    const UINT32 frames = bufferFrames_ - padding;
    BYTE* data = nullptr;
    if (!frames || FAILED(render_->GetBuffer(frames, &data))) return;
    auto* out = reinterpret_cast<float*>(data);
    for (UINT32 i = 0; i < frames * channels_; ++i) {
      const std::size_t at = playAt_.load();
      out[i] = playing_.load() && at < tone_.size() ? tone_[at] : 0.0f;
      if (playing_.load()) playAt_.store(at + 1);
    }
    render_->ReleaseBuffer(frames, 0);
  }
  ComPtr<IAudioClient> client_;
  ComPtr<IAudioRenderClient> render_;
  HANDLE event_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  UINT32 bufferFrames_ = 0;
  UINT32 channels_ = 2;
  std::vector<float> tone_;
  std::atomic<bool> playing_{false}, quit_{false};
  std::atomic<std::size_t> playAt_{0};
  std::thread thread_;
};

void CreateAndPlay(AudioPlayer& player, const std::wstring& file, std::vector<double>& times) {
  const auto start = Clock::now();
  const std::uint32_t stream = player.CreateStream(file);
  player.Play(stream);
  times.push_back(Seconds(Clock::now() - start));
  player.Stop(stream);
  player.FreeStream(stream);
}

// Decodes a whole MP3 with the codec alone: the cost floor of (c).
double AcmOnly(const std::wstring& file) {
  auto source = bass::FileSource::Open(file, 0, 0);
  const auto info = bass::ProbeMp3(*source);
  const auto& h = info->first;
  MPEGLAYER3WAVEFORMAT mp3 = {};
  mp3.wfx.wFormatTag = WAVE_FORMAT_MPEGLAYER3;
  mp3.wfx.nChannels = static_cast<WORD>(h.channels);
  mp3.wfx.nSamplesPerSec = h.sampleRate;
  mp3.wfx.nAvgBytesPerSec = static_cast<DWORD>(h.bitrateKbps) * 125;
  mp3.wfx.nBlockAlign = 1;
  mp3.wfx.cbSize = MPEGLAYER3_WFX_EXTRA_BYTES;
  mp3.wID = MPEGLAYER3_ID_MPEG;
  mp3.nBlockSize = static_cast<WORD>(h.frameBytes);
  mp3.nFramesPerBlock = 1;
  WAVEFORMATEX pcm = {WAVE_FORMAT_PCM, static_cast<WORD>(h.channels), h.sampleRate, h.sampleRate * 2 * h.channels,
                      static_cast<WORD>(2 * h.channels), 16, 0};
  const auto start = Clock::now();
  HACMSTREAM stream;
  acmStreamOpen(&stream, nullptr, &mp3.wfx, &pcm, nullptr, 0, 0, 0);
  bass::Mp3FrameReader reader(*source, *info);
  std::vector<std::uint8_t> frame, batch, out(1 << 20);
  for (bool more = true; more;) {
    batch.clear();
    for (int i = 0; i < 4 && (more = reader.Next(frame)); ++i) batch.insert(batch.end(), frame.begin(), frame.end());
    if (batch.empty()) break;
    ACMSTREAMHEADER header = {};
    header.cbStruct = sizeof header;
    header.pbSrc = batch.data();
    header.cbSrcLength = static_cast<DWORD>(batch.size());
    header.pbDst = out.data();
    header.cbDstLength = static_cast<DWORD>(out.size());
    acmStreamPrepareHeader(stream, &header, 0);
    acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_BLOCKALIGN);
    acmStreamUnprepareHeader(stream, &header, 0);
  }
  acmStreamClose(stream, 0);
  return Seconds(Clock::now() - start);
}

// Decodes and mixes a whole MP3 the way the device thread does, into a 44.1 kHz stereo mix.
double DecodeAndMix(const std::wstring& file) {
  const auto start = Clock::now();
  std::unique_ptr<bass::ByteSource> source = bass::FileSource::Open(file, 0, 0);
  int error = 0;
  bass::Channel channel(bass::OpenMp3(source, error), 44100);
  channel.Play(true);
  std::vector<float> mix(441 * 2);
  while (channel.GetState() == bass::Channel::State::kPlaying) {
    std::fill(mix.begin(), mix.end(), 0.0f);
    channel.MixInto(mix.data(), 441, 2);
  }
  return Seconds(Clock::now() - start);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: bass_benchmark <plugins folder> <1 s mp3> <10 min mp3> <1 s wav>\n");
    return 2;
  }
  const std::wstring plugins = argv[1], shortMp3 = argv[2], longMp3 = argv[3], wav = argv[4];
  auto player = MakeAudioPlayer([plugins] { return plugins; });
  if (!player->InitDevice()) return 1;

  // (a) Creating a stream reads only the head of the file.
  std::vector<double> shortTimes, longTimes;
  for (int i = 0; i < 15; ++i) {
    CreateAndPlay(*player, shortMp3, shortTimes);
    CreateAndPlay(*player, longMp3, longTimes);
  }
  std::printf("(a) create+play: 1 s MP3 %.3f ms, 10 min MP3 %.3f ms, ratio %.2f (goal <= 1.5)\n",
              Median(shortTimes) * 1000, Median(longTimes) * 1000, Median(longTimes) / Median(shortTimes));

  // (b) Both players take turns on the same sink, watched through one recording.
  // The harness sink (the default device), handed over every 10 ms: arrival times are the clock.
  SinkRecorder recorder("ci_sink", 40, 10);
  recorder.WaitUntilRecording();
  SinkWatch watch(recorder.File());
  ReferencePlayer reference;
  std::vector<double> ours, theirs;
  const std::uint32_t stream = player->CreateStream(wav);
  for (int i = 0; i < 12; ++i) {
    long long from = watch.Size();
    auto start = Clock::now();
    player->Play(stream, true);
    const double a = watch.WaitLoud(from, start);
    player->Stop(stream);
    if (a > 0) ours.push_back(a);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  player->FreeDevice();  // one shared-mode client at a time, as a listener's machine would run
  if (!reference.Start()) return 1;
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  for (int i = 0; i < 12; ++i) {
    long long from = watch.Size();
    auto start = Clock::now();
    reference.Play();
    const double b = watch.WaitLoud(from, start);
    reference.Stop();
    if (b > 0) theirs.push_back(b);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  if (ours.empty() || theirs.empty()) {
    std::printf("(b) no sound reached the sink\n");
  } else {
    std::printf("(b) Play to first sound at the sink: library %.1f ms, reference %.1f ms, ratio %.2f (goal <= 1.2)\n",
                Median(ours) * 1000, Median(theirs) * 1000, Median(ours) / Median(theirs));
  }

  // (c) Alternate the two so that a burst of load hits both alike.
  std::vector<double> acm, mixed;
  for (int i = 0; i < 3; ++i) {
    acm.push_back(AcmOnly(longMp3));
    mixed.push_back(DecodeAndMix(longMp3));
  }
  std::printf("(c) 10 min MP3: ACM alone %.0f ms, decode+mix %.0f ms, ratio %.2f (goal <= 1.1)\n", Median(acm) * 1000,
              Median(mixed) * 1000, Median(mixed) / Median(acm));
  return 0;
}
