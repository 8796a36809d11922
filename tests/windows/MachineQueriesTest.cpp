// What the system says of the machine and of what is installed on it, as
// the launcher asks: the native processor, Windows' own version, registry
// keys and values, Add/Remove Programs entries and file versions.
#include "windows/system/MachineQueries.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace launcher {
namespace {

constexpr char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class MachineQueriesTest : public testing::Test {
 protected:
  void SetUp() override {
    Key("Software\\DiscLauncherTests\\Detect", "Path", "C:\\Orbit");
    Key(std::string(kUninstall) + "Disc Launcher Detect Test", "DisplayVersion", "2.5.1");
    Key(std::string(kUninstall) + "Disc Launcher Detect Unversioned", "Publisher", "Tests");
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\DiscLauncherTests");
    for (const char* entry : {"Disc Launcher Detect Test", "Disc Launcher Detect Unversioned"}) {
      RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kUninstall) + entry).c_str());
    }
  }
  static void Key(const std::string& path, const char* name, const std::string& value) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
  }
};

// Wine runs on x64 here: the 32-bit build, emulated, is told the machine too.
TEST_F(MachineQueriesTest, TheMachineIsWindowsOwnNotTheLaunchers) {
  const Machine machine = ThisMachine();
  EXPECT_EQ(machine.processor, Processor::kX64);
  ASSERT_EQ(machine.windows.size(), 3u);
  EXPECT_GE(machine.windows[0], 6u);
}

TEST_F(MachineQueriesTest, RegistryKeysAndValuesInEitherRootName) {
  EXPECT_EQ(RegistryEntryExists("HKCU\\Software\\DiscLauncherTests\\Detect", ""), true);
  EXPECT_EQ(RegistryEntryExists("HKEY_CURRENT_USER\\Software\\DiscLauncherTests\\Detect", "Path"), true);
  EXPECT_EQ(RegistryEntryExists("HKCU\\Software\\DiscLauncherTests\\Detect", "Other"), false);
  EXPECT_EQ(RegistryEntryExists("HKCU\\Software\\DiscLauncherTests\\Absent", ""), false);
  EXPECT_EQ(RegistryEntryExists("HKLM\\Software\\Microsoft", ""), true);
  EXPECT_EQ(RegistryEntryExists("HKXX\\Software", ""), std::nullopt);
}

TEST_F(MachineQueriesTest, AddRemoveProgramsEntriesWithAndWithoutAVersion) {
  EXPECT_EQ(InstalledProgramVersion("Disc Launcher Detect Test"), "2.5.1");
  EXPECT_EQ(InstalledProgramVersion("Disc Launcher Detect Unversioned"), "");
  EXPECT_EQ(InstalledProgramVersion("Disc Launcher Not Installed"), std::nullopt);
}

TEST_F(MachineQueriesTest, FileVersionsFromTheVersionResource) {
  EXPECT_EQ(FileVersionOf(PROBE_EXE), "");  // a program without one
  EXPECT_EQ(FileVersionOf("C:\\no\\such\\file.exe"), std::nullopt);
  const std::optional<std::string> system = FileVersionOf("%SystemRoot%\\system32\\kernel32.dll");
  ASSERT_TRUE(system.has_value());
  EXPECT_TRUE(ParseVersion(*system).has_value()) << *system;
}

TEST_F(MachineQueriesTest, WindowsInstallerAnswersForAProductItDoesNotKnow) {
  EXPECT_EQ(MsiProductInstalled("{00000000-0000-0000-0000-000000000000}"), false);
}

}  // namespace
}  // namespace launcher
