#include "app/settings/FileBytes.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

namespace settings::disk {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  bool Close() {
    const bool ok = !valid() || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE handle_;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// Another copy of the board, a virus scanner or an editor may hold the file for a moment.
bool MoveOver(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED) break;
    Sleep(20);
  }
  return false;
}

}  // namespace

FileRead ReadCapped(const std::wstring& path, std::size_t maxBytes) {
  // Readers share everything, so a writer in another process can still rename over the file.
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    return {error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing : ReadStatus::Failed,
            {}};
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return {};
  if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return {ReadStatus::TooLarge, {}};
  FileRead result{ReadStatus::Ok, {}};
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return {};
    if (got == 0) break;
    result.bytes.append(buffer, got);
    if (result.bytes.size() > maxBytes) return {ReadStatus::TooLarge, {}};
  }
  return result;
}

bool ReplaceAtomically(const std::wstring& path, std::string_view bytes) {
  // A read-only file is the user's word that it must not change. Windows refuses to rename
  // over one anyway, but Wine does not, so we ask first.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  static std::atomic<unsigned> counter{0};
  const std::wstring temporary = path + L".tmp-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(counter.fetch_add(1));
  FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
  const bool closed = file.Close();
  // The new file keeps what the old one was marked with (hidden, say).
  if (closed && written && attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(temporary.c_str(), attributes);
  if (!closed || !written || !MoveOver(temporary, path)) {
    DeleteFileW(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace settings::disk
