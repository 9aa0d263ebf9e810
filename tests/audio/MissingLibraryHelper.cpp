// Binds a player to the folder given on the command line and opens the default device, as the
// program does at start: with no usable bass.dll there, the error box shows and the process ends.
#include <windows.h>

#include "BassLibrary.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring folder = argv[1];
  auto player = MakeAudioPlayer([folder] { return folder; });
  player->InitDevice();
  return 0;  // not reached when the library or BASS_Init is missing
}
