#include "app/settings/SettingsFile.h"

#include <optional>

#include "app/settings/FileBytes.h"
#include "app/settings/Gbk.h"
#include "app/settings/ProfileDocument.h"

namespace settings {
namespace {

enum class Loaded { Ok, Missing, Unusable };

// A file that cannot be read or is not a settings text is Unusable: it reads as defaults and
// is never replaced, since a rewrite from what we understood of it would lose what we did not.
Loaded Load(const std::wstring& file, ProfileDocument& document) {
  disk::FileRead read = disk::ReadCapped(file, kMaxFileBytes);
  if (read.status == disk::ReadStatus::Missing) return Loaded::Missing;
  if (read.status != disk::ReadStatus::Ok) return Loaded::Unusable;
  std::optional<ProfileDocument> parsed = ProfileDocument::Parse(read.bytes);
  if (!parsed) return Loaded::Unusable;
  document = std::move(*parsed);
  return Loaded::Ok;
}

bool Store(const std::wstring& file, const ProfileDocument& document) {
  const std::string bytes = document.Serialize();
  // A file we would refuse to read back is not written either.
  return bytes.size() <= kMaxFileBytes && disk::ReplaceAtomically(file, bytes);
}

}  // namespace

std::wstring Read(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                  const std::wstring& fallback) {
  ProfileDocument document;
  if (Load(file, document) != Loaded::Ok) return fallback;
  const std::optional<std::wstring> value = document.Find(section, key);
  return value ? gbk::CutToBytes(*value, kMaxValueBytes) : fallback;
}

bool Write(const std::wstring& file, const std::wstring& section, const std::wstring& key,
           const std::wstring& value) {
  // Every character takes at least a byte: a value this long could never be read back.
  if (value.size() > kMaxFileBytes) return false;
  ProfileDocument document;
  if (Load(file, document) == Loaded::Unusable) return false;
  return document.Set(section, key, value) && Store(file, document);
}

bool Remove(const std::wstring& file, const std::wstring& section, const std::wstring& key) {
  ProfileDocument document;
  switch (Load(file, document)) {
    case Loaded::Missing: return true;
    case Loaded::Unusable: return false;
    case Loaded::Ok: break;
  }
  return !document.Remove(section, key) || Store(file, document);
}

}  // namespace settings
