// The disc with every kind of action, and the launcher started on it: the
// fixture of the end-to-end tests that drive its menu and checklist.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "e2e/LauncherProcess.h"
#include "e2e/LoggedLauncher.h"
#include "windows/WindowTestSupport.h"

namespace launcher::test {

inline const std::string kDisc = "fixtures/e2e/actions";
inline constexpr int kStageLeft[6] = {10, 60, 110, 160, 210, 260};
enum Stage { kDefine, kDesign, kDevelop, kTest, kDeploy, kManage };

// A lit stage picture is drawn in orange-yellow; at rest it is grey.
inline bool StageLit(HWND window, int stage) {
  int orange = 0;
  for (int y = 84; y < 134; y += 2) {
    for (int x = kStageLeft[stage]; x < kStageLeft[stage] + 50; x += 2) {
      const COLORREF c = ClientPixel(window, x, y);
      orange += GetRValue(c) > 200 && GetGValue(c) > 130 && GetGValue(c) < 220 && GetBValue(c) < 90;
    }
  }
  return orange > 10;
}

inline std::string DiscFile(const std::string& name) { return kDisc + "/" + name; }

// The command lines the probe recorded in a file, one a start.
inline std::vector<std::string> Recorded(const std::string& name) {
  std::ifstream in(DiscFile(name));
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('|')));
  return lines;
}

inline void Create(const std::string& name) { std::ofstream(DiscFile(name)).close(); }

// Answers one of the launcher's message windows: its title and text, then a
// click on the button with the given id.
struct Answer {
  std::string title, text;
};
inline Answer AnswerWindow(LauncherProcess& launcher, const char* className, int button, DWORD timeoutMs = 10000) {
  HWND form = WaitForVisibleWindow(className, timeoutMs, launcher.ProcessId());
  if (!form) return {"<none>", ""};
  WaitUntilPainted(form);
  Answer answer{WindowText(form), WindowText(GetDlgItem(form, 1000))};
  PostMessageA(GetDlgItem(form, button), BM_CLICK, 0, 0);
  WaitFor([&] { return !IsWindowVisible(form); }, 5000);
  return answer;
}

class ActionsTest : public LoggedLauncherTest {
 protected:
  ActionsTest() : LoggedLauncherTest("actions.log") {}
  void SetUp() override {
    for (const char* record : {"record-menu.txt", "record-disc.txt", "record-run.txt"}) Create(record);
    DeleteFileA(DiscFile("later.txt").c_str());
    DeleteFileA(DiscFile("later.exe").c_str());
    CopyFileA(PROBE_EXE, DiscFile("probe.exe").c_str(), FALSE);
    Start(kDisc);
  }

};

}  // namespace launcher::test
