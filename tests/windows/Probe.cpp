// A program for the launcher to start: it writes its command line, its
// current directory and its console window into a file, waits if asked, and
// ends with the exit code it is told.
//
// usage: probe RECORD_FILE EXIT_CODE [WAIT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

static int Run() {
  if (__argc < 3) return 100;
  char directory[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  if (std::FILE* record = std::fopen(__argv[1], "w")) {
    std::fprintf(record, "%s\n%s\nconsole=%p\n", GetCommandLineA(), directory,
                 reinterpret_cast<void*>(GetConsoleWindow()));
    std::fclose(record);
  }
  if (__argc > 3) Sleep(static_cast<DWORD>(std::atoi(__argv[3])));
  return std::atoi(__argv[2]);
}

#ifdef PROBE_CONSOLE
int main() { return Run(); }
#else
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Run(); }
#endif
