#include "Flat.h"

namespace draw::flat {

FARPROC Resolve(const char* name) {
  // Only the system's own copy: never a gdiplus.dll planted in the current directory.
  static const HMODULE library = LoadLibraryExW(L"gdiplus.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace draw::flat
