// Stand-in installers for the tests of how the launcher waits:
//
//   standin handover EXIT_CODE PROGRAM [ARGUMENTS...]
//       starts PROGRAM with its arguments without waiting for it and ends at
//       once with EXIT_CODE, as a bootstrapper that hands over does;
//   standin once EXIT_CODE MARKER RECORD
//       ends with EXIT_CODE the first time (when MARKER is missing, which it
//       then creates) and with 0 afterwards, as an installer that found
//       Windows Installer busy once does; every run appends its command
//       line to RECORD.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int HandOver(int argc, char** argv) {
  std::string commandLine;
  for (int i = 3; i < argc; ++i) commandLine += std::string(i > 3 ? " " : "") + argv[i];
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return 101;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return std::atoi(argv[2]);
}

int Once(int argc, char** argv) {
  if (argc != 5) return 100;
  if (std::FILE* record = std::fopen(argv[4], "a")) {
    std::fprintf(record, "%s\n", GetCommandLineA());
    std::fclose(record);
  }
  if (GetFileAttributesA(argv[3]) != INVALID_FILE_ATTRIBUTES) return 0;
  if (std::FILE* marker = std::fopen(argv[3], "w")) std::fclose(marker);
  return std::atoi(argv[2]);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc >= 4 && std::strcmp(__argv[1], "handover") == 0) return HandOver(__argc, __argv);
  if (__argc >= 2 && std::strcmp(__argv[1], "once") == 0) return Once(__argc, __argv);
  return 100;
}
