// File access for the native build: paths go to the system as UTF-8.
#include "app/settings/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "app/settings/Utf.h"

namespace settings::disk {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  bool Close() {
    const bool ok = fd_ < 0 || close(fd_) == 0;
    fd_ = -1;
    return ok;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

FileRead ReadCapped(const std::wstring& path, std::size_t maxBytes) {
  FileDescriptor file(open(utf::ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) return {errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed, {}};
  struct stat info {};
  if (fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  if (static_cast<unsigned long long>(info.st_size) > maxBytes) return {ReadStatus::TooLarge, {}};
  FileRead result{ReadStatus::Ok, {}};
  // The size may change while we read: read to the end, but never past the cap.
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(file.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return {};
    if (got == 0) break;
    result.bytes.append(buffer, static_cast<std::size_t>(got));
    if (result.bytes.size() > maxBytes) return {ReadStatus::TooLarge, {}};
  }
  return result;
}

bool ReplaceAtomically(const std::wstring& path, std::string_view bytes) {
  static std::atomic<unsigned> counter{0};
  const std::string target = utf::ToUtf8(path);
  const std::string temporary =
      target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter.fetch_add(1));
  // The new file takes the old one's permissions.
  struct stat info {};
  const mode_t mode = stat(target.c_str(), &info) == 0 ? info.st_mode & 07777 : 0666;
  FileDescriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
  if (!file.valid()) return false;
  const bool written = WriteAll(file.get(), bytes) && fsync(file.get()) == 0;
  if (!file.Close() || !written || rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace settings::disk
