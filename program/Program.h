#pragma once
#include <memory>
#include <optional>

#include "app/Board.h"
#include "audio/AudioPlayer.h"
#include "audio/BassLibrary.h"
#include "draw/GdiplusSession.h"
#include "runtime/HotkeyBoxInput.h"
#include "runtime/Win32Runtime.h"
#include "widgets/HotkeyBox.h"
#include "widgets/IntHashTable.h"

// The program from entry to exit: the runtime, then the global objects in their fixed order,
// the module start routines, the main window and the message loop. Teardown destroys the
// globals in the order they were built (not the reverse), as the program always has.
class Program {
 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  int Run();

 private:
  void StartModules();

  Win32Runtime runtime_;
  // Global objects, built in this order and destroyed in the same order.
  std::unique_ptr<AudioPlayer> player_;
  std::optional<HotkeyBox> hotkeyBox_;
  std::optional<IntHashTable> spareTable_;
  std::optional<HotkeyBoxInput> hotkeyInput_;
  std::optional<Board> board_;
  GdiplusToken gdiplusToken_ = 0;
};
