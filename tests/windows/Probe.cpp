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

static std::string RecordFile() {
  const std::string last = __argv[__argc - 1];
  if (last[0] != '/' && last[0] != '-') return last;
  char program[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string folder(program);
  return folder.substr(0, folder.rfind('\\') + 1) + "probe-record.txt";
}

static int Run() {
  if (__argc < 2) return 100;
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  if (std::FILE* record = std::fopen(RecordFile().c_str(), "a")) {
    std::fprintf(record, "%s|%s|console=%p\n", GetCommandLineA(), directory,
                 reinterpret_cast<void*>(GetConsoleWindow()));
    std::fclose(record);
  }
  if (__argc > 3) Sleep(static_cast<DWORD>(std::atoi(__argv[2])));
  return std::atoi(__argv[1]);
}

#ifdef PROBE_CONSOLE
int main() { return Run(); }
#else
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Run(); }
#endif
