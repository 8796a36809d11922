#include "windows/system/SystemLibrary.h"

#include <string>

namespace launcher {

FARPROC SystemLibraryEntry(const char* library, const char* name) {
  char system[MAX_PATH];
  const UINT length = GetSystemDirectoryA(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // A library loaded once stays loaded: LoadLibrary only counts it again.
  HMODULE module = LoadLibraryA((std::string(system, length) + "\\" + library).c_str());
  return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace launcher
