#include "windows/kit/Dpi.h"

#include "windows/system/Handles.h"
#include "windows/system/SystemLibrary.h"

namespace launcher {
namespace {

// The awareness contexts and the process awareness of Windows 8.1, as
// their headers define them.
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
constexpr int kProcessPerMonitorDpiAware = 2;

}  // namespace

void BecomeDpiAware() {
  // Windows 10 1703 and later know the second version, 1607 the first.
  // Where the manifest was read, it has asked already and both calls fail;
  // nothing older is worth loading then.
  if (const auto setContext = SystemLibraryFunction<BOOL(WINAPI*)(HANDLE)>("user32.dll",
                                                                           "SetProcessDpiAwarenessContext")) {
    if (!setContext(kPerMonitorAwareV2)) setContext(kPerMonitorAware);
    return;
  }
  // Windows 8.1.
  if (const auto setAwareness = SystemLibraryFunction<HRESULT(WINAPI*)(int)>("shcore.dll",
                                                                           "SetProcessDpiAwareness")) {
    if (SUCCEEDED(setAwareness(kProcessPerMonitorDpiAware))) return;
  }
  // Vista and 7: the system's scale.
  if (const auto setAware = SystemLibraryFunction<BOOL(WINAPI*)()>("user32.dll", "SetProcessDPIAware")) setAware();
}

void PlaceScaled(HWND child, const RECT& logical, int dpi) {
  const RECT place = Scaled(logical, dpi);
  MoveWindow(child, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

int WindowDpi(HWND window) {
  static const auto forWindow = SystemLibraryFunction<UINT(WINAPI*)(HWND)>("user32.dll", "GetDpiForWindow");
  if (forWindow && window) {
    if (const UINT dpi = forWindow(window)) return static_cast<int>(dpi);
  }
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace launcher
