#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Whole-file access for the settings engine, one implementation per platform.
namespace settings::disk {

enum class ReadStatus { Ok, Missing, Failed, TooLarge };

struct FileRead {
  ReadStatus status = ReadStatus::Failed;
  std::string bytes;  // only with Ok
};

// Reads the whole file unless it is longer than maxBytes; nothing larger is ever loaded.
FileRead ReadCapped(const std::wstring& path, std::size_t maxBytes);

// Writes bytes to a new file beside path and renames it over path, so that whatever happens
// (a full disk, a killed process, a power cut) path holds either its old or its new content.
bool ReplaceAtomically(const std::wstring& path, std::string_view bytes);

}  // namespace settings::disk
