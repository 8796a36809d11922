// A program for the launcher to start: it appends its command line, its
// current directory and its console window to a record file (which the
// launcher tests for, as the command's last word), waits if asked, and ends
// with the exit code it is told. Started as an installer is, with its
// options last (/S, /qn), it keeps the record in probe-record.txt beside
// itself.
//
// usage: probe EXIT_CODE [WAIT_MS] RECORD_FILE
//        probe [ARGUMENTS...] /OPTION
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Paths and arguments in any script: the probe reads its command line in
// UTF-16 and records in UTF-8.
static std::string Utf8(const wchar_t* text) {
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes > 0 ? bytes - 1 : 0), '\0');
  if (bytes > 1) WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), bytes, nullptr, nullptr);
  return out;
}

static std::wstring RecordFile(int argc, wchar_t** argv) {
  const std::wstring last = argv[argc - 1];
  if (last[0] != L'/' && last[0] != L'-') return last;
  wchar_t program[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder(program);
  return folder.substr(0, folder.rfind(L'\\') + 1) + L"probe-record.txt";
}

// The C runtime's own split of the UTF-16 command line: the probe starts as
// fast as a plain program, without the shell's library.
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expandWildcards,
                              int* startInfo);

static int Run() {
  int argc = 0, startInfo = 0;
  wchar_t** argv = nullptr;
  wchar_t** environment = nullptr;
  if (__wgetmainargs(&argc, &argv, &environment, 0, &startInfo) != 0 || !argv || argc < 2) return 100;
  wchar_t directory[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, directory);
  if (std::FILE* record = _wfopen(RecordFile(argc, argv).c_str(), L"a")) {
    std::fprintf(record, "%s|%s|console=%p\n", Utf8(GetCommandLineW()).c_str(), Utf8(directory).c_str(),
                 reinterpret_cast<void*>(GetConsoleWindow()));
    std::fclose(record);
  }
  if (argc > 3) Sleep(static_cast<DWORD>(_wtoi(argv[2])));
  return _wtoi(argv[1]);
}

#ifdef PROBE_CONSOLE
int main() { return Run(); }
#else
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Run(); }
#endif
