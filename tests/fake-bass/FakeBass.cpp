// A recording stand-in for plugins/bass.dll, for the application's tests: the same exports,
// each call and its arguments appended to a log, results chosen by the test.
//
// Where the log goes: the file named by the environment variable FAKE_BASS_LOG, else
// "bass-calls.log" beside this dll. One UTF-8 line per call, e.g.
//   BASS_Init(-1,44100,0,0,0)
//   BASS_StreamCreateFile(0,"C:\data\music\狗叫.mp3",0,0,2147483648)
//   BASS_ChannelSetAttribute(1001,2,0.5)
// Text arguments are shown decoded (UTF-16 with the Unicode flag 0x80000000, else ANSI) in
// double quotes; memory blocks as <N bytes>; pointers as 0 or 1 (given or not).
//
// Results: "name=value" entries, from the environment variable FAKE_BASS_RESULTS (separated
// by ';') and from "bass-results.txt" beside this dll (one a line, UTF-8); the variable wins.
// Both are read again at every call, so a test may change them between calls.
//   BASS_Init=0                       any export's result (floats for BASS_GetVolume)
//   BASS_GetDeviceInfo.2=Speakers     device 2 exists with this UTF-8 description
//   BASS_ErrorGetCode=8
//   BASS_ChannelGetAttribute.value=0.5  what BASS_ChannelGetAttribute writes
// Defaults: every BOOL 1; BASS_GetDevice the device last opened (-1 before any); devices 0
// "No sound" and 1 "Default" exist; stream creation returns 1001, 1002, ...; IsActive 1;
// positions and lengths 0; GetVolume 1.0; GetData 512 with zeros; GetTags null.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <string>

#include "BassApi.h"

using namespace bass;

namespace {

std::mutex lock;
int openedDevice = -1;
Dword nextStream = 1001;

std::wstring BesideDll(const wchar_t* name) {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&BesideDll), &self);
  wchar_t path[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(self, path, static_cast<DWORD>(std::size(path)));
  std::wstring folder(path, n);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + name;
}

std::wstring Env(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD n = GetEnvironmentVariableW(name, value, static_cast<DWORD>(std::size(value)));
  return n && n < std::size(value) ? std::wstring(value, n) : std::wstring();
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

std::string Text(const void* text, Dword flags) {
  if (!text) return "null";
  if (flags & kUnicode) return "\"" + Utf8(static_cast<const wchar_t*>(text)) + "\"";
  const char* ansi = static_cast<const char*>(text);
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  std::wstring wide(n > 0 ? n - 1 : 0, L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), n);
  return "\"" + Utf8(wide) + "\"";
}

std::map<std::string, std::string> Results() {
  std::map<std::string, std::string> results;
  auto add = [&](const std::string& entry) {
    const auto eq = entry.find('=');
    if (eq != std::string::npos) results[entry.substr(0, eq)] = entry.substr(eq + 1);
  };
  if (FILE* file = _wfopen(BesideDll(L"bass-results.txt").c_str(), L"rb")) {
    char line[4096];
    while (std::fgets(line, sizeof line, file)) {
      std::string entry(line);
      while (!entry.empty() && (entry.back() == '\n' || entry.back() == '\r')) entry.pop_back();
      add(entry);
    }
    std::fclose(file);
  }
  std::stringstream env(Utf8(Env(L"FAKE_BASS_RESULTS")));
  for (std::string entry; std::getline(env, entry, ';');) add(entry);
  return results;
}

template <typename T>
T Result(const char* name, T fallback) {
  const auto results = Results();
  const auto it = results.find(name);
  if (it == results.end()) return fallback;
  if constexpr (std::is_floating_point_v<T>) return static_cast<T>(std::strtod(it->second.c_str(), nullptr));
  else return static_cast<T>(std::strtoll(it->second.c_str(), nullptr, 0));
}

void Record(const std::string& line) {
  std::wstring path = Env(L"FAKE_BASS_LOG");
  if (path.empty()) path = BesideDll(L"bass-calls.log");
  if (FILE* file = _wfopen(path.c_str(), L"ab")) {
    std::fputs((line + "\n").c_str(), file);
    std::fclose(file);
  }
}

template <typename... Args>
void Log(const char* name, const Args&... args) {
  std::ostringstream line;
  line << name << "(";
  [[maybe_unused]] const char* separator = "";
  ((line << separator << args, separator = ","), ...);
  line << ")";
  Record(line.str());
}

int Flag(const void* pointer) { return pointer != nullptr; }

}  // namespace

#define FAKE_EXPORT extern "C" __declspec(dllexport)

FAKE_EXPORT Bool BASS_CALL BASS_Init(int device, Dword freq, Dword flags, void* window, const void* classId) {
  std::lock_guard guard(lock);
  Log("BASS_Init", device, freq, flags, Flag(window), Flag(classId));
  const Bool ok = Result<Bool>("BASS_Init", 1);
  if (ok) openedDevice = device == -1 ? 1 : device;
  return ok;
}
FAKE_EXPORT Bool BASS_CALL BASS_Free() {
  std::lock_guard guard(lock);
  Log("BASS_Free");
  openedDevice = -1;
  return Result<Bool>("BASS_Free", 1);
}
FAKE_EXPORT Dword BASS_CALL BASS_GetDevice() {
  std::lock_guard guard(lock);
  Log("BASS_GetDevice");
  return Result<Dword>("BASS_GetDevice", static_cast<Dword>(openedDevice));
}
FAKE_EXPORT Bool BASS_CALL BASS_GetDeviceInfo(Dword device, DeviceInfo* info) {
  std::lock_guard guard(lock);
  Log("BASS_GetDeviceInfo", device);
  static std::set<std::string> names;  // texts handed out stay valid for the process
  const auto results = Results();
  const auto configured = results.find("BASS_GetDeviceInfo." + std::to_string(device));
  std::string name;
  if (configured != results.end()) name = configured->second;
  else if (device == 0) name = "No sound";
  else if (device == 1) name = "Default";
  else return 0;
  if (!Result<Bool>("BASS_GetDeviceInfo", 1) || !info) return 0;
  info->name = names.insert(name).first->c_str();
  info->driver = "";
  info->flags = kDeviceEnabled;
  return 1;
}
FAKE_EXPORT Bool BASS_CALL BASS_SetVolume(float volume) {
  std::lock_guard guard(lock);
  Log("BASS_SetVolume", volume);
  return Result<Bool>("BASS_SetVolume", 1);
}
FAKE_EXPORT float BASS_CALL BASS_GetVolume() {
  std::lock_guard guard(lock);
  Log("BASS_GetVolume");
  return Result<float>("BASS_GetVolume", 1.0f);
}
FAKE_EXPORT int BASS_CALL BASS_ErrorGetCode() {
  std::lock_guard guard(lock);
  Log("BASS_ErrorGetCode");
  return Result<int>("BASS_ErrorGetCode", 0);
}
FAKE_EXPORT Handle BASS_CALL BASS_StreamCreateFile(Bool memory, const void* file, Qword offset, Qword length, Dword flags) {
  std::lock_guard guard(lock);
  const std::string source = memory ? "<" + std::to_string(length) + " bytes>" : Text(file, flags);
  Log("BASS_StreamCreateFile", memory, source, offset, length, flags);
  const Handle fallback = nextStream++;
  return Result<Handle>("BASS_StreamCreateFile", fallback);
}
FAKE_EXPORT Handle BASS_CALL BASS_StreamCreateURL(const void* url, Dword offset, Dword flags, void* proc, void* user) {
  std::lock_guard guard(lock);
  Log("BASS_StreamCreateURL", Text(url, flags), offset, flags, Flag(proc), Flag(user));
  const Handle fallback = nextStream++;
  return Result<Handle>("BASS_StreamCreateURL", fallback);
}

#define FAKE_CHANNEL_CALL(name, result, fallback, params, ...) \
  FAKE_EXPORT result BASS_CALL name params {                  \
    std::lock_guard guard(lock);                              \
    Log(#name, __VA_ARGS__);                                  \
    return Result<result>(#name, fallback);                   \
  }
FAKE_CHANNEL_CALL(BASS_StreamFree, Bool, 1, (Handle h), h)
FAKE_CHANNEL_CALL(BASS_ChannelPlay, Bool, 1, (Dword h, Bool restart), h, restart)
FAKE_CHANNEL_CALL(BASS_ChannelPause, Bool, 1, (Dword h), h)
FAKE_CHANNEL_CALL(BASS_ChannelStop, Bool, 1, (Dword h), h)
FAKE_CHANNEL_CALL(BASS_ChannelIsActive, Dword, kActivePlaying, (Dword h), h)
FAKE_CHANNEL_CALL(BASS_ChannelGetPosition, Qword, 0, (Dword h, Dword mode), h, mode)
FAKE_CHANNEL_CALL(BASS_ChannelSetPosition, Bool, 1, (Dword h, Qword position, Dword mode), h, position, mode)
FAKE_CHANNEL_CALL(BASS_ChannelGetLength, Qword, 0, (Dword h, Dword mode), h, mode)
FAKE_CHANNEL_CALL(BASS_ChannelSetAttribute, Bool, 1, (Dword h, Dword attrib, float value), h, attrib, value)
FAKE_CHANNEL_CALL(BASS_ChannelBytes2Seconds, double, 0.0, (Dword h, Qword position), h, position)
FAKE_CHANNEL_CALL(BASS_ChannelSeconds2Bytes, Qword, 0, (Dword h, double seconds), h, seconds)
#undef FAKE_CHANNEL_CALL

FAKE_EXPORT const char* BASS_CALL BASS_ChannelGetTags(Dword h, Dword tags) {
  std::lock_guard guard(lock);
  Log("BASS_ChannelGetTags", h, tags);
  return nullptr;
}
FAKE_EXPORT Dword BASS_CALL BASS_ChannelGetData(Dword h, void* buffer, Dword length) {
  std::lock_guard guard(lock);
  Log("BASS_ChannelGetData", h, length);
  if (buffer && length == kDataFft256) std::memset(buffer, 0, 128 * sizeof(float));
  return Result<Dword>("BASS_ChannelGetData", 512);
}
FAKE_EXPORT Bool BASS_CALL BASS_ChannelGetAttribute(Dword h, Dword attrib, float* value) {
  std::lock_guard guard(lock);
  Log("BASS_ChannelGetAttribute", h, attrib);
  if (value) *value = Result<float>("BASS_ChannelGetAttribute.value", 1.0f);
  return Result<Bool>("BASS_ChannelGetAttribute", 1);
}
