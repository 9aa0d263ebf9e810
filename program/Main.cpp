#include <windows.h>

#include "Program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  Program program;
  return program.Run();
}
