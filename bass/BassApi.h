#pragma once
// The audio library's public face: the types, constants and functions that plugins/bass.dll
// exports and that the audio player binds by name. Windows-free so the player's logic, the
// recording fake and the native tests share one set of declarations.
#include <cstdint>

namespace bass {

using Dword = std::uint32_t;
using Qword = std::uint64_t;
using Bool = int;
using Handle = Dword;  // a stream; 0 = none

// One calling convention for every export: x64 has only one; a 32-bit build uses stdcall.
#if defined(_WIN32) && !defined(_WIN64)
#define BASS_CALL __stdcall
#else
#define BASS_CALL
#endif

// Error codes, as BASS_ErrorGetCode reports them.
enum Error : int {
  kOk = 0,
  kErrorMem = 1,
  kErrorFileOpen = 2,
  kErrorDriver = 3,
  kErrorHandle = 5,
  kErrorFormat = 6,
  kErrorPosition = 7,
  kErrorInit = 8,
  kErrorStart = 9,
  kErrorAlready = 14,
  kErrorIllType = 19,
  kErrorIllParam = 20,
  kErrorDevice = 23,
  kErrorNoPlay = 24,
  kErrorNotAvail = 37,
  kErrorFileForm = 41,
  kErrorCodec = 44,
  kErrorUnknown = -1,
};

// Channel states (BASS_ChannelIsActive).
constexpr Dword kActiveStopped = 0;
constexpr Dword kActivePlaying = 1;
constexpr Dword kActiveStalled = 2;
constexpr Dword kActivePaused = 3;

constexpr Dword kPosByte = 0;          // BASS_POS_BYTE
constexpr Dword kAttribVol = 2;        // BASS_ATTRIB_VOL
constexpr Dword kTagId3 = 0;           // BASS_TAG_ID3: the 128-byte ID3v1 block
constexpr Dword kDataFft256 = 0x80000000u;  // BASS_DATA_FFT256: 128 magnitudes
// Text arguments (file path, URL) are UTF-16 when this flag is given, ANSI bytes otherwise.
constexpr Dword kUnicode = 0x80000000u;

// Device flags in the device information record.
constexpr Dword kDeviceEnabled = 1;
constexpr Dword kDeviceDefault = 2;
constexpr Dword kDeviceInit = 4;

// What BASS_GetDeviceInfo fills in. The texts are UTF-8 and stay valid until BASS_Free or
// the next device enumeration; the first field is the description a device list shows.
struct DeviceInfo {
  const char* name;
  const char* driver;
  Dword flags;
};

}  // namespace bass

// The exports. The function-pointer types below are what the player binds by name.
#define BASS_FUNCTIONS(X)                                                                       \
  X(BASS_Init, bass::Bool, (int device, bass::Dword freq, bass::Dword flags, void* window,      \
                            const void* classId))                                               \
  X(BASS_Free, bass::Bool, ())                                                                  \
  X(BASS_GetDevice, bass::Dword, ())                                                            \
  X(BASS_GetDeviceInfo, bass::Bool, (bass::Dword device, bass::DeviceInfo* info))               \
  X(BASS_SetVolume, bass::Bool, (float volume))                                                 \
  X(BASS_GetVolume, float, ())                                                                  \
  X(BASS_ErrorGetCode, int, ())                                                                 \
  X(BASS_StreamCreateFile, bass::Handle, (bass::Bool memory, const void* file,                  \
                                          bass::Qword offset, bass::Qword length,               \
                                          bass::Dword flags))                                   \
  X(BASS_StreamCreateURL, bass::Handle, (const void* url, bass::Dword offset, bass::Dword flags, \
                                         void* downloadProc, void* user))                       \
  X(BASS_StreamFree, bass::Bool, (bass::Handle handle))                                         \
  X(BASS_ChannelPlay, bass::Bool, (bass::Dword handle, bass::Bool restart))                     \
  X(BASS_ChannelPause, bass::Bool, (bass::Dword handle))                                        \
  X(BASS_ChannelStop, bass::Bool, (bass::Dword handle))                                         \
  X(BASS_ChannelIsActive, bass::Dword, (bass::Dword handle))                                    \
  X(BASS_ChannelGetPosition, bass::Qword, (bass::Dword handle, bass::Dword mode))               \
  X(BASS_ChannelSetPosition, bass::Bool, (bass::Dword handle, bass::Qword pos, bass::Dword mode)) \
  X(BASS_ChannelGetLength, bass::Qword, (bass::Dword handle, bass::Dword mode))                 \
  X(BASS_ChannelGetTags, const char*, (bass::Dword handle, bass::Dword tags))                   \
  X(BASS_ChannelGetData, bass::Dword, (bass::Dword handle, void* buffer, bass::Dword length))   \
  X(BASS_ChannelSetAttribute, bass::Bool, (bass::Dword handle, bass::Dword attrib, float value)) \
  X(BASS_ChannelGetAttribute, bass::Bool, (bass::Dword handle, bass::Dword attrib, float* value)) \
  X(BASS_ChannelBytes2Seconds, double, (bass::Dword handle, bass::Qword pos))                   \
  X(BASS_ChannelSeconds2Bytes, bass::Qword, (bass::Dword handle, double seconds))

namespace bass {
#define BASS_DECLARE_TYPE(name, result, params) using name##_Fn = result(BASS_CALL*) params;
BASS_FUNCTIONS(BASS_DECLARE_TYPE)
#undef BASS_DECLARE_TYPE
}  // namespace bass
