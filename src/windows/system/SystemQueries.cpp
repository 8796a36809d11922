#include "windows/system/SystemQueries.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/LauncherError.h"
#include "windows/system/Environment.h"
#include "windows/system/Handles.h"
#include "core/Tokens.h"
#include "windows/system/Win32Text.h"

namespace launcher {
namespace {

// Runs `query` with the system's critical-error boxes off ("There is no
// disk in the drive"): a drive without a disc answers at once.
template <typename Query>
bool WithoutSystemPrompts(const Query& query) {
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  SetErrorMode(previous | SEM_FAILCRITICALERRORS);
  const bool result = query();
  SetErrorMode(previous);
  return result;
}

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::kLocalMachine: return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kUsers: return HKEY_USERS;
    case RegistryRoot::kCurrentUser: break;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

bool IsFilePresent(const std::string& name) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(Wide(name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  FILETIME local;
  WORD dosDate = 0, dosTime = 0;
  return FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) && FileTimeToDosDateTime(&local, &dosDate, &dosTime);
}

bool IsFilePresentWithoutSystemPrompts(const std::string& name) {
  return WithoutSystemPrompts([&] { return IsFilePresent(name); });
}

bool EnterFolderWithoutSystemPrompts(const std::string& folder) {
  return WithoutSystemPrompts([&] { return EnterFolder(folder); });
}

std::vector<std::string> MediaDriveRoots() {
  std::vector<std::string> roots;
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(drives & (1u << (letter - 'A')))) continue;
    const std::string root = std::string(1, letter) + ":\\";
    const UINT type = GetDriveTypeA(root.c_str());
    if (type == DRIVE_CDROM || type == DRIVE_REMOVABLE) roots.push_back(root);
  }
  return roots;
}

bool IsAwaitedFilePresent(const AwaitedFile& awaited) {
  if (IsFilePresentWithoutSystemPrompts(awaited.path)) return true;
  if (!awaited.onMediaDrives) return false;
  const std::vector<std::string> roots = MediaDriveRoots();
  return std::any_of(roots.begin(), roots.end(),
                     [&](const std::string& root) { return IsFilePresentWithoutSystemPrompts(root + awaited.path); });
}

std::vector<std::string> SystemDisplayLanguages() {
  using PreferredLanguagesFn = BOOL(WINAPI*)(DWORD, ULONG*, wchar_t*, ULONG*);
  const auto preferred = reinterpret_cast<PreferredLanguagesFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetThreadPreferredUILanguages")));
  // The thread's languages, then the process's, the user's and the system's;
  // a list too long for the buffer (some hundred languages) counts as none.
  wchar_t list[1024];
  ULONG count = 0, size = 1024;
  std::vector<std::string> languages;
  if (preferred && preferred(MUI_LANGUAGE_NAME | MUI_MERGE_USER_FALLBACK, &count, list, &size)) {
    for (const wchar_t* name = list; *name; name += wcslen(name) + 1) languages.push_back(Utf8Of(name));
  }
  if (languages.empty()) {
    const LCID user = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
    wchar_t tag[20] = L"";
    const int length = GetLocaleInfoW(user, LOCALE_SISO639LANGNAME, tag, 9);  // with its terminator
    if (length > 0) {
      tag[length - 1] = L'-';
      GetLocaleInfoW(user, LOCALE_SISO3166CTRYNAME, tag + length, 9);
    }
    languages.push_back(Utf8Of(tag));
  }
  return languages;
}

bool NamedMutexExists(const char* name) {
  if (KernelHandle(OpenMutexA(SYNCHRONIZE, FALSE, name))) return true;
  return GetLastError() == ERROR_ACCESS_DENIED;
}

bool WindowsInstallerBusy() { return NamedMutexExists("Global\\_MSIExecute"); }

bool WindowsInstallerAsksForADisc() {
  return NamedMutexExists("__MsiPromptForCD") || NamedMutexExists("Global\\__MsiPromptForCD");
}

std::string GetRegistryValue(const std::string& keyPath, const std::string& valueName, const UpperCaseFn& upperCase) {
  const RegistryPath path = SplitRegistryPath(keyPath, upperCase);
  RegistryKey key;
  // Read access: a standard user may read HKEY_LOCAL_MACHINE but not write it.
  if (RegOpenKeyExW(RootKey(path.root), Wide(path.subKey).c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return {};
  const std::wstring name = Wide(valueName);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) {
    return {};
  }
  std::vector<wchar_t> data;
  LONG result = ERROR_MORE_DATA;
  while (result == ERROR_MORE_DATA) {            // the value may grow between the calls
    data.assign(size / sizeof(wchar_t) + 2, L'\0');  // room for a terminator the value lacks
    result = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
  }
  if (result != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) throw LauncherError("Invalid data type for '" + valueName + "'");
  return Utf8Of(std::wstring_view(data.data(), wcsnlen(data.data(), size / sizeof(wchar_t))));
}

}  // namespace launcher
