#pragma once
// The audio library's functions as the player reaches them: each bound by name at its first
// call. Tests fill the table with their own functions; the program binds plugins/bass.dll.
#include <functional>
#include <string>

#include "BassApi.h"

struct BassBinding {
  // The address of an exported function, or nullptr when the library or the function is missing.
  std::function<void*(const char* function)> resolve;
  // Told which function could not be found. The program's handler shows the runtime's error box
  // and ends the process; when a handler returns, the call fails with 0.
  std::function<void(const char* library, const char* function)> missing;
};

class BassTable {
 public:
  explicit BassTable(BassBinding binding) : binding_(std::move(binding)) {}

#define BASS_TABLE_ENTRY(name, result, params) bass::name##_Fn name() { return Bind(name##_, #name); }
  BASS_FUNCTIONS(BASS_TABLE_ENTRY)
#undef BASS_TABLE_ENTRY

 private:
  template <typename Fn>
  Fn Bind(Fn& slot, const char* function) {
    if (!slot) {
      slot = reinterpret_cast<Fn>(binding_.resolve ? binding_.resolve(function) : nullptr);
      if (!slot && binding_.missing) binding_.missing("bass.dll", function);
    }
    return slot;
  }

  BassBinding binding_;
#define BASS_TABLE_SLOT(name, result, params) bass::name##_Fn name##_ = nullptr;
  BASS_FUNCTIONS(BASS_TABLE_SLOT)
#undef BASS_TABLE_SLOT
};
