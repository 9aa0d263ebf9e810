#include <windows.h>

#include "app/Audio.h"
#include "app/Board.h"
#include "runtime/Win32Runtime.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Win32Runtime runtime;
  SilentAudio player;
  Board board(runtime, player);
  board.Open();
  return runtime.RunMessageLoop();
}
