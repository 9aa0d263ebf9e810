// A process killed in the middle of a write leaves the old file or the new one, never a mix.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "TempFolder.h"
#include "app/settings/FileBytes.h"
#include "app/settings/SettingsFile.h"

namespace {

// Runs write(n) for n = 0, 1, ... in a child process and kills it after the given time.
void KillWriterAfter(std::chrono::microseconds delay, const std::function<void(unsigned)>& write) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    alarm(20);  // never outlive a parent that failed to kill us
    for (unsigned n = 0;; ++n) write(n);
  }
  std::this_thread::sleep_for(delay);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
}

std::size_t LeftoverFiles(const TempFolder& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {})) - 1;
}

TEST(InterruptedWrite, KilledSettingsWriterLeavesOldOrNewFile) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  const std::string original = "[music]\r\nvolume=5\r\n";
  const std::string first(100000, 'a'), second(100000, 'b');
  const std::wstring values[] = {std::wstring(first.begin(), first.end()), std::wstring(second.begin(), second.end())};
  WriteBytes(file, original);
  for (int round = 0; round < 12; ++round) {
    KillWriterAfter(std::chrono::microseconds(300 + 2500 * round),
                    [&](unsigned n) { settings::Write(file.wstring(), L"music", L"name1", values[n % 2]); });
    const std::string now = ReadBytes(file);
    ASSERT_TRUE(now == original || now == original + "name1=" + first + "\r\n" ||
                now == original + "name1=" + second + "\r\n")
        << "round " << round << ": " << now.size() << " bytes";
  }
}

// The replacement itself, with nothing else in the loop, so that most kills land inside it.
TEST(InterruptedWrite, KilledReplacementLeavesOldOrNewFile) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  const std::string contents[] = {std::string(256 << 10, 'a'), std::string(256 << 10, 'b') + "\r\n"};
  WriteBytes(file, contents[0]);
  for (int round = 0; round < 20; ++round) {
    KillWriterAfter(std::chrono::microseconds(200 + 997 * round),
                    [&](unsigned n) { settings::disk::ReplaceAtomically(file.wstring(), contents[n % 2]); });
    const std::string now = ReadBytes(file);
    ASSERT_TRUE(now == contents[0] || now == contents[1]) << "round " << round << ": " << now.size() << " bytes";
  }
  // Killed writers leave their unfinished temporary files behind: proof the kills hit mid-write.
  EXPECT_GT(LeftoverFiles(folder), 0u);
}

}  // namespace
