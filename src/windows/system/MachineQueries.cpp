#include "windows/system/MachineQueries.h"

#include <windows.h>

#include <vector>

#include "windows/system/Handles.h"
#include "windows/system/SystemLibrary.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

constexpr USHORT kMachineI386 = 0x014c, kMachineAmd64 = 0x8664, kMachineArm64 = 0xAA64;
constexpr WORD kArchitectureAmd64 = 9, kArchitectureArm64 = 12;
constexpr LONG kInstallStateDefault = 5;  // INSTALLSTATE_DEFAULT
constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

Processor NativeProcessor() {
  using IsWow64Process2Fn = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
  using GetNativeSystemInfoFn = void(WINAPI*)(SYSTEM_INFO*);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  // Windows 10 1511 and later name the machine even to an emulated program.
  auto isWow64Process2 =
      reinterpret_cast<IsWow64Process2Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process2")));
  USHORT process = 0, native = 0;
  if (isWow64Process2 && isWow64Process2(GetCurrentProcess(), &process, &native)) {
    if (native == kMachineArm64) return Processor::kArm64;
    if (native == kMachineAmd64) return Processor::kX64;
    if (native == kMachineI386) return Processor::kX86;
  }
  auto getNativeSystemInfo = reinterpret_cast<GetNativeSystemInfoFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GetNativeSystemInfo")));
  SYSTEM_INFO info{};
  if (getNativeSystemInfo) {
    getNativeSystemInfo(&info);
  } else {
    GetSystemInfo(&info);
  }
  if (info.wProcessorArchitecture == kArchitectureArm64) return Processor::kArm64;
  return info.wProcessorArchitecture == kArchitectureAmd64 ? Processor::kX64 : Processor::kX86;
}

// What Windows is, not what the manifest lets GetVersionEx say.
Version WindowsVersion() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")));
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (rtlGetVersion && rtlGetVersion(&info) == 0) return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
  OSVERSIONINFOA fallback{};
  fallback.dwOSVersionInfoSize = sizeof fallback;
  GetVersionExA(&fallback);
  return {fallback.dwMajorVersion, fallback.dwMinorVersion, fallback.dwBuildNumber};
}

struct RootName {
  const char* name;
  HKEY root;
};
const RootName kRoots[] = {{"HKLM", HKEY_LOCAL_MACHINE},      {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                           {"HKCU", HKEY_CURRENT_USER},       {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                           {"HKCR", HKEY_CLASSES_ROOT},       {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                           {"HKU", HKEY_USERS},               {"HKEY_USERS", HKEY_USERS}};

// The registry views to look in: a 32-bit launcher on 64-bit Windows sees
// the 32-bit view of HKLM unless it asks for the other.
constexpr REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

// The key in the first view that has it; none when neither has.
RegistryKey OpenInEitherView(HKEY root, const std::string& subKey) {
  RegistryKey key;
  for (REGSAM view : kViews) {
    if (RegOpenKeyExW(root, Wide(subKey).c_str(), 0, KEY_READ | view, key.Out()) == ERROR_SUCCESS) break;
  }
  return key;
}

// A string value of a key, in either view; nothing without the key.
std::optional<std::string> ValueOf(HKEY root, const std::string& subKey, const wchar_t* valueName) {
  if (RegistryKey key = OpenInEitherView(root, subKey)) {
    wchar_t data[256] = L"";
    DWORD size = sizeof data - sizeof data[0], type = 0;
    if (RegQueryValueExW(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
      size = 0;
    }
    return Utf8Of(std::wstring_view(data, wcsnlen(data, size / sizeof data[0])));
  }
  return std::nullopt;
}

}  // namespace

Machine ThisMachine() { return Machine{NativeProcessor(), WindowsVersion()}; }

std::optional<bool> MsiProductInstalled(const std::string& productCode) {
  using MsiQueryProductStateFn = LONG(WINAPI*)(const char*);
  auto query = SystemLibraryFunction<MsiQueryProductStateFn>("msi.dll", "MsiQueryProductStateA");
  if (!query) return std::nullopt;
  return query(productCode.c_str()) == kInstallStateDefault;
}

std::optional<std::string> InstalledProgramVersion(const std::string& name) {
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    if (auto version = ValueOf(root, kUninstallKey + name, L"DisplayVersion")) return version;
  }
  return std::nullopt;
}

std::optional<std::string> FileVersionOf(const std::string& path) {
  const std::wstring widePath = Wide(path);
  wchar_t expanded[MAX_PATH * 2] = L"";
  const DWORD length = ExpandEnvironmentStringsW(widePath.c_str(), expanded, MAX_PATH * 2);
  const std::wstring file = length > 0 && length <= MAX_PATH * 2 ? expanded : widePath;
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  using SizeFn = DWORD(WINAPI*)(const wchar_t*, DWORD*);
  using InfoFn = BOOL(WINAPI*)(const wchar_t*, DWORD, DWORD, void*);
  using QueryFn = BOOL(WINAPI*)(const void*, const wchar_t*, void**, UINT*);
  auto size = SystemLibraryFunction<SizeFn>("version.dll", "GetFileVersionInfoSizeW");
  auto info = SystemLibraryFunction<InfoFn>("version.dll", "GetFileVersionInfoW");
  auto query = SystemLibraryFunction<QueryFn>("version.dll", "VerQueryValueW");
  if (!size || !info || !query) return std::string();
  DWORD handle = 0;
  std::vector<char> data(size(file.c_str(), &handle));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (data.empty() || !info(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()) ||
      !query(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) || fixedSize < sizeof *fixed) {
    return std::string();
  }
  return VersionText({HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                      LOWORD(fixed->dwFileVersionLS)});
}

std::optional<bool> RegistryEntryExists(const std::string& keyPath, const std::string& valueName) {
  const size_t backslash = keyPath.find('\\');
  const std::string rootName = keyPath.substr(0, backslash);
  const std::string subKey = backslash == std::string::npos ? std::string() : keyPath.substr(backslash + 1);
  for (const RootName& root : kRoots) {
    if (lstrcmpiA(root.name, rootName.c_str()) != 0) continue;
    const RegistryKey key = OpenInEitherView(root.root, subKey);
    return key && (valueName.empty() ||
                   RegQueryValueExW(key.Get(), Wide(valueName).c_str(), nullptr, nullptr, nullptr, nullptr) ==
                       ERROR_SUCCESS);
  }
  return std::nullopt;  // no root of that name
}

}  // namespace launcher
