#pragma once
// Records what a PulseAudio null sink plays, from its monitor, with the host's parec: the
// sound that really left the library. Recording starts in the constructor and runs for a fixed
// time; Samples() waits for it to end. A generous latency lets parec fall behind on a busy
// machine without losing samples. parec needs up to a second before its first data, so a
// test waits WaitUntilRecording() before it plays.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

// Runs a shell command line on the host and waits (up to 20 s) until it has finished. Wine
// starts host programs but gives no handle to wait on: a marker file says it ended.
inline bool RunOnHost(const std::string& command) {
  static int serial = 0;
  const std::string marker = "/tmp/bass-host-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++);
  const std::string line = "/bin/sh -c \"" + command + "; touch " + marker + "\"";
  std::wstring wide(line.begin(), line.end());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return false;
  if (process.hThread) CloseHandle(process.hThread);
  if (process.hProcess) CloseHandle(process.hProcess);
  const std::string seen = "Z:" + marker;
  for (int i = 0; i < 400; ++i) {
    if (GetFileAttributesA(seen.c_str()) != INVALID_FILE_ATTRIBUTES) {
      DeleteFileA(seen.c_str());
      return true;
    }
    Sleep(50);
  }
  return false;
}

// A null sink of this test process's own, so that whatever else plays on the machine's sound
// server stays out of the recordings. Made before anything enumerates the devices.
class PrivateSink {
 public:
  PrivateSink() : name_("bass_test_" + std::to_string(GetCurrentProcessId())) {
    const std::string out = "/tmp/" + name_ + ".module";
    RunOnHost("pactl load-module module-null-sink sink_name=" + name_ + " sink_properties=device.description=" + name_ +
              " > " + out);
    if (FILE* file = std::fopen(("Z:" + out).c_str(), "r")) {
      if (std::fscanf(file, "%d", &module_) != 1) module_ = -1;
      std::fclose(file);
    }
    DeleteFileA(("Z:" + out).c_str());
  }
  ~PrivateSink() {
    if (module_ >= 0) RunOnHost("pactl unload-module " + std::to_string(module_));
  }
  PrivateSink(const PrivateSink&) = delete;
  PrivateSink& operator=(const PrivateSink&) = delete;
  bool Made() const { return module_ >= 0; }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  int module_ = -1;
};

class SinkRecorder {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kChannels = 2;

  // `latencyMs`: how often parec hands over what it recorded; the sound's own timeline in the
  // file does not depend on it.
  SinkRecorder(const std::string& sink, double seconds, int latencyMs = 200) {
    static int serial = 0;
    unixPath_ = "/tmp/bass-sink-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(serial++) + ".raw";
    const std::wstring path(unixPath_.begin(), unixPath_.end());
    // Wine starts a host program but gives no handle to wait on: a marker file says it ended.
    std::wstring command = L"/bin/sh -c \"timeout -s INT " + std::to_wstring(seconds) +
                           L" parec -d " + std::wstring(sink.begin(), sink.end()) + L".monitor --raw --format=float32le --rate=44100 --channels=2"
                           L" --latency-msec=" + std::to_wstring(latencyMs) + L" > " + path + L"; touch " + path + L".done\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
    deadline_ = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000) + 10000;
  }
  ~SinkRecorder() {
    DeleteFileA(("Z:" + unixPath_).c_str());
    DeleteFileA(("Z:" + unixPath_ + ".done").c_str());
  }
  SinkRecorder(const SinkRecorder&) = delete;
  SinkRecorder& operator=(const SinkRecorder&) = delete;

  bool Started() const { return started_; }
  // The recording as the Windows side sees it, growing while it runs.
  std::string File() const { return "Z:" + unixPath_; }
  // Returns once parec is delivering (0.2 s of sound on file), or after 5 s.
  void WaitUntilRecording() const {
    const std::string file = "Z:" + unixPath_;
    for (int i = 0; i < 250; ++i) {
      WIN32_FILE_ATTRIBUTE_DATA data;
      if (GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data) && data.nFileSizeLow > kRate * kChannels * 4 / 5)
        return;
      Sleep(20);
    }
  }

  // Interleaved stereo floats; empty when the recording failed or never ended.
  std::vector<float> Samples() {
    const std::string done = "Z:" + unixPath_ + ".done";
    while (GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES) {
      if (GetTickCount64() > deadline_) return {};
      Sleep(50);
    }
    std::vector<float> samples;
    if (FILE* file = std::fopen(("Z:" + unixPath_).c_str(), "rb")) {
      float block[4096];
      while (std::size_t got = std::fread(block, sizeof(float), 4096, file)) samples.insert(samples.end(), block, block + got);
      std::fclose(file);
    }
    return samples;
  }

 private:
  std::string unixPath_;
  bool started_ = false;
  ULONGLONG deadline_ = 0;
};
