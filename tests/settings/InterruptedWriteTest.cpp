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

std::size_t FilesIn(const TempFolder& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

// Runs write(n) for n = 0, 1, ... in a child process and kills it after the given time, or,
// when watching, as soon as a new file (its temporary one) shows up in the folder.
void KillWriter(const TempFolder& folder, std::chrono::microseconds delay, bool watch,
                const std::function<void(unsigned)>& write) {
  const std::size_t before = FilesIn(folder);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    alarm(20);  // never outlive a parent that failed to kill us
    for (unsigned n = 0;; ++n) write(n);
  }
  const auto deadline = std::chrono::steady_clock::now() + (watch ? std::chrono::seconds(5) : delay);
  while (std::chrono::steady_clock::now() < deadline && !(watch && FilesIn(folder) > before))
    std::this_thread::sleep_for(std::chrono::microseconds(watch ? 20 : 100));
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
}

TEST(InterruptedWrite, KilledSettingsWriterLeavesOldOrNewFile) {
  TempFolder folder;
  const auto file = folder / "xnKxConfig.ini";
  const std::string original = "[music]\r\nvolume=5\r\n";
  const std::string first(100000, 'a'), second(100000, 'b');
  const std::wstring values[] = {std::wstring(first.begin(), first.end()), std::wstring(second.begin(), second.end())};
  WriteBytes(file, original);
  for (int round = 0; round < 12; ++round) {
    KillWriter(folder, std::chrono::microseconds(300 + 2500 * round), round % 2 == 1,
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
    KillWriter(folder, std::chrono::microseconds(200 + 997 * round), round % 2 == 1,
               [&](unsigned n) { settings::disk::ReplaceAtomically(file.wstring(), contents[n % 2]); });
    const std::string now = ReadBytes(file);
    ASSERT_TRUE(now == contents[0] || now == contents[1]) << "round " << round << ": " << now.size() << " bytes";
  }
  // Killed writers leave their unfinished temporary files behind: proof the kills hit mid-write.
  EXPECT_GT(FilesIn(folder), 1u);
}

}  // namespace
