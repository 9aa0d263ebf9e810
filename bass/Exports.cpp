// The library's exported functions: each turns its C arguments into an engine call.
#include <windows.h>

#include <string>

#include "AcmMp3Decoder.h"
#include "BassApi.h"
#include "Engine.h"
#include "UrlFetch.h"
#include "WasapiOutput.h"

using namespace bass;

namespace {

// Made on first use and never destroyed: at process exit the device thread is already gone
// and must not be joined under the loader lock. The program frees the device before it quits.
Engine& TheEngine() {
  static Engine* engine = new Engine(EngineHooks{MakeWasapiBackend(), OpenMp3, FetchUrl});
  return *engine;
}

std::wstring Widen(const void* text, Dword flags) {
  if (flags & kUnicode) return static_cast<const wchar_t*>(text);
  const char* ansi = static_cast<const char*>(text);
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
  if (n <= 1) return {};
  std::wstring wide(n - 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide.data(), n);
  return wide;
}

}  // namespace

#define BASS_EXPORT extern "C" __declspec(dllexport)

BASS_EXPORT Bool BASS_CALL BASS_Init(int device, Dword freq, Dword, void*, const void*) {
  return TheEngine().Init(device, freq);
}
BASS_EXPORT Bool BASS_CALL BASS_Free() { return TheEngine().Free(); }
BASS_EXPORT Dword BASS_CALL BASS_GetDevice() { return TheEngine().GetDevice(); }
BASS_EXPORT Bool BASS_CALL BASS_GetDeviceInfo(Dword device, DeviceInfo* info) {
  return TheEngine().GetDeviceInfo(device, info);
}
BASS_EXPORT Bool BASS_CALL BASS_SetVolume(float volume) { return TheEngine().SetVolume(volume); }
BASS_EXPORT float BASS_CALL BASS_GetVolume() { return TheEngine().GetVolume(); }
BASS_EXPORT int BASS_CALL BASS_ErrorGetCode() { return Engine::LastError(); }

BASS_EXPORT Handle BASS_CALL BASS_StreamCreateFile(Bool memory, const void* file, Qword offset, Qword length,
                                                    Dword flags) {
  if (memory) return TheEngine().CreateMemoryStream(file, offset, length);
  if (!file) return TheEngine().CreateFileStream({}, offset, length);
  return TheEngine().CreateFileStream(std::filesystem::path(Widen(file, flags)), offset, length);
}
BASS_EXPORT Handle BASS_CALL BASS_StreamCreateURL(const void* url, Dword offset, Dword flags, void*, void*) {
  return TheEngine().CreateUrlStream(url ? Widen(url, flags) : std::wstring(), offset);
}
BASS_EXPORT Bool BASS_CALL BASS_StreamFree(Handle handle) { return TheEngine().StreamFree(handle); }

BASS_EXPORT Bool BASS_CALL BASS_ChannelPlay(Dword handle, Bool restart) { return TheEngine().Play(handle, restart); }
BASS_EXPORT Bool BASS_CALL BASS_ChannelPause(Dword handle) { return TheEngine().Pause(handle); }
BASS_EXPORT Bool BASS_CALL BASS_ChannelStop(Dword handle) { return TheEngine().Stop(handle); }
BASS_EXPORT Dword BASS_CALL BASS_ChannelIsActive(Dword handle) { return TheEngine().IsActive(handle); }
BASS_EXPORT Qword BASS_CALL BASS_ChannelGetPosition(Dword handle, Dword mode) {
  return TheEngine().GetPosition(handle, mode);
}
BASS_EXPORT Bool BASS_CALL BASS_ChannelSetPosition(Dword handle, Qword position, Dword mode) {
  return TheEngine().SetPosition(handle, position, mode);
}
BASS_EXPORT Qword BASS_CALL BASS_ChannelGetLength(Dword handle, Dword mode) {
  return TheEngine().GetLength(handle, mode);
}
BASS_EXPORT const char* BASS_CALL BASS_ChannelGetTags(Dword handle, Dword tags) {
  return TheEngine().GetTags(handle, tags);
}
BASS_EXPORT Dword BASS_CALL BASS_ChannelGetData(Dword handle, void* buffer, Dword length) {
  return TheEngine().GetData(handle, buffer, length);
}
BASS_EXPORT Bool BASS_CALL BASS_ChannelSetAttribute(Dword handle, Dword attrib, float value) {
  return TheEngine().SetAttribute(handle, attrib, value);
}
BASS_EXPORT Bool BASS_CALL BASS_ChannelGetAttribute(Dword handle, Dword attrib, float* value) {
  return TheEngine().GetAttribute(handle, attrib, value);
}
BASS_EXPORT double BASS_CALL BASS_ChannelBytes2Seconds(Dword handle, Qword position) {
  return TheEngine().Bytes2Seconds(handle, position);
}
BASS_EXPORT Qword BASS_CALL BASS_ChannelSeconds2Bytes(Dword handle, double seconds) {
  return TheEngine().Seconds2Bytes(handle, seconds);
}
