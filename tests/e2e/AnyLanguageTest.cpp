// A disc written in UTF-8, in Russian, Greek and Chinese, played on an
// English system (code page 1252, which has none of those scripts): its
// texts shown and read exactly, a program in a Cyrillic folder started, and
// the launcher itself started from a Cyrillic folder.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "e2e/AccessibleTree.h"
#include "e2e/LoggedLauncher.h"
#include "windows/system/Win32Text.h"

namespace launcher::test {
namespace {

// "Диск мира", the disc's folder, and "Программы", its program folder.
const std::string kWorldDisc = "fixtures/e2e/\u0414\u0438\u0441\u043a \u043c\u0438\u0440\u0430";
const std::string kProgramFolder = kWorldDisc + "/\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b";
// The record the probe there keeps, "запись.txt": the file the action tests
// (its last word), so it is there, empty, before the program starts.
const std::string kRecord = kWorldDisc + "/\u0437\u0430\u043f\u0438\u0441\u044c.txt";

const char kTitle[] =
    "\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u043a\u0430 \u00b7 \u5b89\u88c5 \u00b7 "
    "\u0395\u03b3\u03ba\u03b1\u03c4\u03ac\u03c3\u03c4\u03b1\u03c3\u03b7";

class AnyLanguageTest : public LoggedLauncherTest {
 protected:
  // The log's name is Cyrillic too: "журнал.log".
  AnyLanguageTest() : LoggedLauncherTest("\u0436\u0443\u0440\u043d\u0430\u043b.log") {}
  void SetUp() override {
    if (GetACP() != 1252) GTEST_SKIP() << "plays the disc on an English system";
    CreateDirectoryW(Wide(kProgramFolder).c_str(), nullptr);
    CopyFileW(Wide(PROBE_EXE).c_str(), Wide(kProgramFolder + "/probe.exe").c_str(), FALSE);
    std::ofstream(std::filesystem::path(Wide(kRecord)), std::ios::trunc);
    Start(kWorldDisc);
  }
  std::vector<std::string> ButtonNames() const {
    std::vector<std::string> names;
    for (const AccessibleNode& node : AccessibleTree(Page(0)).Children()) {
      if (node.role == ROLE_SYSTEM_PUSHBUTTON) names.push_back(node.name);
    }
    return names;
  }
};

TEST_F(AnyLanguageTest, TheTitleAndTheMenuAreTheDiscsTextsExactly) {
  EXPECT_EQ(Utf8Of(WideWindowText(window_)), kTitle);
  EXPECT_EQ(ButtonNames(), (std::vector<std::string>{
                               "\u0423\u0441\u0442\u0430\u043d\u043e\u0432\u0438\u0442\u044c",
                               "\u5b89\u88c5\u8bf4\u660e",
                               "\u0395\u03c0\u03b9\u03bb\u03bf\u03b3\u03ae",
                               "\u0388\u03be\u03bf\u03b4\u03bf\u03c2",
                           }));
  // Kept for the README: the menu of a Chinese, Russian and Greek disc.
  SaveScreenshot(window_, "artifacts/any-language-menu.bmp");
}

// A font without Chinese draws each character as the same empty box; the
// four characters of "安装说明" drawn for real light differing numbers of
// pixels.
TEST_F(AnyLanguageTest, ChineseCaptionsAreDrawnWithTheirOwnGlyphs) {
  RECT button{};
  for (const AccessibleNode& node : AccessibleTree(Page(0)).Children()) {
    if (node.name == "\u5b89\u88c5\u8bf4\u660e") button = node.location;
  }
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&button), 2);
  ASSERT_GT(button.right - button.left, 20);
  std::vector<int> litColumns;  // lit pixels in each column inside the button's edge
  for (int x = button.left + 3; x < button.right - 3; ++x) {
    int lit = 0;
    for (int y = button.top + 3; y < button.bottom - 3; ++y) {
      const COLORREF pixel = ClientPixel(window_, x, y);
      lit += GetRValue(pixel) > 160 && GetGValue(pixel) > 160 && GetBValue(pixel) > 160;
    }
    litColumns.push_back(lit);
  }
  const auto first = std::find_if(litColumns.begin(), litColumns.end(), [](int lit) { return lit > 0; });
  const auto last = std::find_if(litColumns.rbegin(), litColumns.rend(), [](int lit) { return lit > 0; }).base();
  std::string columns;
  for (int lit : litColumns) columns += std::to_string(lit) + " ";
  ASSERT_GT(last - first, 20) << "the caption is not drawn: " << columns;
  std::vector<int> perCharacter(4);
  for (auto column = first; column != last; ++column) {
    perCharacter[static_cast<size_t>((column - first) * 4 / (last - first))] += *column;
  }
  const auto [fewest, most] = std::minmax_element(perCharacter.begin(), perCharacter.end());
  EXPECT_GE(*most - *fewest, 10) << perCharacter[0] << " " << perCharacter[1] << " " << perCharacter[2] << " "
                                 << perCharacter[3] << " lit pixels: boxes, not glyphs";
}

TEST_F(AnyLanguageTest, TheInformationWindowShowsItsChineseText) {
  ClickMenu(2);
  HWND form = WaitForVisibleWindow("TDialogInfoForm", 10000, launcher_->ProcessId());
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitUntilPainted(form));
  EXPECT_EQ(Utf8Of(WideWindowText(GetDlgItem(form, 1000))), "\u6b22\u8fce\u4f7f\u7528\u5b89\u88c5\u5149\u76d8");
  SaveScreenshot(form, "artifacts/any-language-information.bmp");
  PostMessageW(GetDlgItem(form, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([form] { return !IsWindowVisible(form); }, 5000));
}

TEST_F(AnyLanguageTest, AChecklistRowAndItsDescriptionReadBackExactly) {
  ASSERT_TRUE(OpenChecklist(3));
  const std::vector<AccessibleNode> rows = AccessibleTree(List()).Children();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name, "\u041a\u043e\u043c\u043f\u043e\u043d\u0435\u043d\u0442");
  EXPECT_EQ(rows[0].description, "\u041e\u043f\u0438\u0441\u0430\u043d\u0438\u0435: \u4e2d\u6587 \u03ba\u03b1\u03b9 "
                                 "\u03b5\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac");
  EXPECT_EQ(rows[1].name, "\u7ec4\u4ef6\u4e8c");
  wchar_t row[64] = L"";
  SendMessageW(List(), LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
  EXPECT_STREQ(row, L"\u7ec4\u4ef6\u4e8c");
}

// The program's folder and its argument are Cyrillic, and so is the disc's
// folder the launcher runs in: the program starts, with its argument whole.
TEST_F(AnyLanguageTest, AProgramInACyrillicFolderStarts) {
  ClickMenu(1);
  ASSERT_TRUE(ProgramsEnded());
  std::ifstream record(std::filesystem::path(Wide(kRecord)));
  std::string line;
  ASSERT_TRUE(std::getline(record, line)) << "the probe kept no record";
  EXPECT_EQ(line.substr(0, line.find('|')),
            "\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\probe.exe 0 \u0437\u0430\u043f\u0438\u0441\u044c.txt");
  const std::vector<std::string> events = EndAndReadLog();
  EXPECT_NE(std::find(events.begin(), events.end(),
                      "start: \u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\probe.exe 0 "
                      "\u0437\u0430\u043f\u0438\u0441\u044c.txt"),
            events.end());
}

// A copy of the launcher on the disc, started from elsewhere (a double-click
// in a Cyrillic folder): it finds its disc by its own path.
TEST_F(AnyLanguageTest, TheLauncherStartedFromACyrillicFolderShowsItsMenu) {
  ASSERT_EQ(launcher_->Close(window_), 0u);
  DeleteFileW(Wide(log_).c_str());
  const std::string copy = kWorldDisc + "/Install_Windows.exe";
  ASSERT_TRUE(CopyFileW(Wide(LauncherExe()).c_str(), Wide(copy).c_str(), FALSE));
  Start("artifacts", FullPath(copy));
  EXPECT_EQ(Utf8Of(WideWindowText(window_)), kTitle);
  const std::vector<std::string> events = EndAndReadLog();
  DeleteFileW(Wide(copy).c_str());
  const std::string disc = "\u0414\u0438\u0441\u043a \u043c\u0438\u0440\u0430";
  EXPECT_NE(std::find_if(events.begin(), events.end(),
                         [&](const std::string& e) {
                           return e.rfind("start-up: directory ", 0) == 0 && e.find(disc + ", languages") != std::string::npos;
                         }),
            events.end());
}

}  // namespace
}  // namespace launcher::test
