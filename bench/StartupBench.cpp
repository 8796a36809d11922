// Start-up time under Wine: from process start until the program is idle with
// its window visible, for the launcher on each disc given and for a baseline
// program of ours that opens an empty 600 x 400 window the same way. Runs
// are interleaved so that drift in the machine hits all alike; medians are
// printed with their ratios to the baseline and to the first disc.
//
// usage: startup_bench RUNS BASELINE_EXE LAUNCHER_EXE DISC_DIR [DISC_DIR ...]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD processId;
  bool found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<Search*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  RECT frame;
  if (process == search->processId && IsWindowVisible(window) && GetWindowRect(window, &frame) &&
      frame.right - frame.left >= 600) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

double Now() {
  LARGE_INTEGER counter, frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One start: milliseconds until idle with the window visible; -1 on failure.
double TimeOneStart(const std::string& exe, const std::string& folder) {
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const double start = Now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                      &process)) {
    return -1;
  }
  WaitForInputIdle(process.hProcess, 30000);
  Search search{process.dwProcessId, false};
  while (!search.found && Now() - start < 30000) {
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    if (!search.found) Sleep(1);
  }
  const double elapsed = Now() - start;
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return search.found ? elapsed : -1;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string FullPath(const char* path) {
  char buffer[MAX_PATH * 2];
  DWORD length = GetFullPathNameA(path, sizeof buffer, buffer, nullptr);
  return std::string(buffer, length);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: startup_bench RUNS BASELINE_EXE LAUNCHER_EXE DISC_DIR [DISC_DIR ...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  const std::string baseline = FullPath(argv[2]), launcher = FullPath(argv[3]);
  std::vector<std::string> discs;
  for (int i = 4; i < argc; ++i) discs.push_back(FullPath(argv[i]));

  // One start of each to warm the caches, not counted.
  TimeOneStart(baseline, discs[0]);
  for (const std::string& disc : discs) TimeOneStart(launcher, disc);

  std::vector<double> baselineTimes;
  std::vector<std::vector<double>> discTimes(discs.size());
  for (int run = 0; run < runs; ++run) {
    baselineTimes.push_back(TimeOneStart(baseline, discs[0]));
    for (size_t d = 0; d < discs.size(); ++d) discTimes[d].push_back(TimeOneStart(launcher, discs[d]));
  }
  for (const auto& times : discTimes) {
    if (std::count(times.begin(), times.end(), -1.0) || std::count(baselineTimes.begin(), baselineTimes.end(), -1.0)) {
      std::fprintf(stderr, "a start failed\n");
      return 1;
    }
  }
  const double base = Median(baselineTimes);
  std::printf("runs: %d (medians, milliseconds from process start to idle with the window visible)\n", runs);
  std::printf("baseline (empty 600 x 400 window): %.1f\n", base);
  for (size_t d = 0; d < discs.size(); ++d) {
    const double median = Median(discTimes[d]);
    std::printf("launcher on %s: %.1f  (%.2f x baseline, %.2f x first disc)\n", discs[d].c_str(), median,
                median / base, median / Median(discTimes[0]));
  }
  return 0;
}
