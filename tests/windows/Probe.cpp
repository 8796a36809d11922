// A program for the launcher to start: it appends its command line, its
// current directory and its console window to a record file (which the
// launcher tests for, as the command's last word), waits if asked, and ends
// with the exit code it is told.
//
// usage: probe EXIT_CODE [WAIT_MS] RECORD_FILE
#include <windows.h>

#include <cstdio>
#include <cstdlib>

static int Run() {
  if (__argc < 3) return 100;
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  if (std::FILE* record = std::fopen(__argv[__argc - 1], "a")) {
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
