// Built on demand (target settings_benchmark), not part of the test run. Times the reads of a
// board's start-up on a fully filled settings file through our engine and through the system's
// reader (which caches the file between calls; ours reads it every time), and one write.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "WindowsFiles.h"
#include "app/settings/SettingsFile.h"

namespace {

struct Key {
  std::wstring section, key;
};

std::vector<Key> StartUpKeys() {
  std::vector<Key> keys = {{L"music", L"passage"}, {L"music", L"volume"}, {L"init", L"writeFile"}};
  for (int n = 1; n <= 30; ++n) {
    keys.push_back({L"music", L"file" + std::to_wstring(n)});
    keys.push_back({L"music", L"name" + std::to_wstring(n)});
  }
  for (int p = 1; p <= 221; ++p) keys.push_back({L"hotkey", L"btn" + std::to_wstring(p)});
  keys.push_back({L"hotkey", L"btn_stop"});
  return keys;
}

template <typename Read>
double Seconds(const std::vector<Key>& keys, int rounds, Read read) {
  const auto start = std::chrono::steady_clock::now();
  std::size_t total = 0;
  for (int round = 0; round < rounds; ++round)
    for (const Key& key : keys) total += read(key).size();
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (total == 0) std::printf("(nothing read)\n");
  return took.count();
}

}  // namespace

int main() {
  WindowsTempFolder folder;
  const std::wstring file = folder / L"xnKxConfig.ini";
  const std::vector<Key> keys = StartUpKeys();
  for (const Key& key : keys)
    settings::Write(file, key.section, key.key, key.section == L"hotkey" ? L"116,5" : L"C:\\音效\\遊戲結束.mp3");
  std::printf("file: %zu bytes, %zu keys\n", ReadFileBytes(file).size(), keys.size());

  const int rounds = 20;
  std::vector<wchar_t> buffer(10240);
  const double system = Seconds(keys, rounds, [&](const Key& key) {
    const DWORD length = GetPrivateProfileStringW(key.section.c_str(), key.key.c_str(), L"", buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), file.c_str());
    return std::wstring(buffer.data(), length);
  });
  const double ours = Seconds(keys, rounds, [&](const Key& key) { return settings::Read(file, key.section, key.key, L""); });
  std::printf("start-up reads (%zu keys): system %.2f ms, ours %.2f ms, ratio ours/system %.2f\n", keys.size(),
              1000 * system / rounds, 1000 * ours / rounds, ours / system);

  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < 50; ++n) settings::Write(file, L"music", L"volume", std::to_wstring(n));
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("one write (read, edit, replace): %.2f ms\n", 1000 * took.count() / 50);
}
