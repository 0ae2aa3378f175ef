#pragma once
// The scenario layer over the robot: the programs under test, their registry entries, a scratch
// folder on C:, and the control IDs of their windows. A test derives its fixture from Scenario.
#include "robot/Robot.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// Everything a scenario makes on disk lies below this folder; it is removed before each test.
inline const std::string kRoot = "C:\\QuilletTest";

// Registry keys the programs read (HKLM unless noted).
inline const std::string kFsKey2002 = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
inline const std::string kFsKey2004 = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";
inline const std::string kAddonKey = "Software\\Vellmora\\PRQ_DL\\Pellarin2";
inline const std::string kLocaleKey = "Control Panel\\International"; // HKCU

// Control IDs: 1000 + the control's row in its form's design table.
struct MainWindowIds {
    int end, groupBox, box, browse, scnAdd, scnDel;
    int afdAdd, afdRes; // 0: the edition has no facility buttons
    int support;
    // The operation buttons, in their order.
    std::vector<int> Operations() const;
};
inline constexpr MainWindowIds kMainIds2002{1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008};
inline constexpr MainWindowIds kMainIds2004{1000, 1001, 1002, 1003, 1004, 1005, 0, 0, 1006};
struct SupportDialogIds {
    int groupBox = 1000, box = 1001, ok = 1002, panel = 1003;
};
inline constexpr SupportDialogIds kSupportIds{};

// Folders beside quillet_e2e.exe: the programs, and stubs\ with the stub programs.
std::string BinFolder();
std::string ProgramPath(int year); // Quillet2002.exe or Quillet2004.exe
std::string StubPath(const std::string& name);
// A file of tests/fixtures (QUILLET_FIXTURES overrides the folder).
std::string FixturePath(const std::string& name);

const MainWindowIds& MainIds(int year);
const std::string& FsKey(int year);

// One running copy of a program.
class App {
public:
    App(int year, robot::Process process) : year_(year), process_(std::move(process)) {}
    int Year() const { return year_; }
    robot::Process& Process() { return process_; }
    DWORD Pid() const { return process_.Id(); }
    const MainWindowIds& Ids() const { return MainIds(year_); }

    // Visible top-level windows that are not message boxes.
    std::vector<robot::Window> Forms() const;
    // Waits for the visible main window with this title.
    robot::Window WaitForMainWindow(const std::string& title);
    // The main window found by the last WaitForMainWindow.
    const robot::Window& MainWindow() const;
    robot::Window Control(int id) const { return MainWindow().Child(id); }
    robot::MsgBox WaitForBox(robot::Duration timeout = robot::kTimeout) const;
    // After a round trip through the main window's queue: no message box is open. A box that the
    // program shows while starting or inside a handler exists by then.
    void ExpectNoBox() const;
    // Waits for the end; the exit code.
    DWORD WaitForExit(robot::Duration timeout = robot::kTimeout) { return process_.WaitForExit(timeout); }

private:
    int year_;
    robot::Process process_;
    robot::Window main_;
};

class Scenario : public ::testing::Test {
protected:
    // Removes the programs' registry entries and kRoot, and sets the English locale.
    void SetUp() override;
    // Ends every program the test started that still runs.
    void TearDown() override;

    // HKCU "Locale": "00000411" Japanese, anything else English.
    void SetLocale(const std::string& value);
    void SetJapanese(bool japanese) { SetLocale(japanese ? "00000411" : "00000409"); }
    // "EXE Path" of the edition's simulator key.
    void SetFsPath(int year, const std::string& text, DWORD type = REG_SZ);
    // "Path" of the package key.
    void SetAddonPath(const std::string& text, DWORD type = REG_SZ);

    // A simulator folder kRoot\FS<year> holding a copy of the fixture scenery.cfg; its path.
    std::string MakeSimulatorFolder(int year, const std::string& sceneryCfgFixture = "fsx-template-120-areas.cfg");
    // A package folder kRoot\Ambrello with every area folder of both editions, each with a
    // Scenery\ folder holding one small .bgl file; its path (no trailing backslash).
    std::string MakePackageFolder();
    // The registry entries of a ready machine: both simulator folders, the package folder.
    void MakeReadyMachine(int year);

    // Copies the edition's program into `folder` (default kRoot\Setup<year>) and starts it there,
    // with that folder as the current directory. The App lives until the test ends.
    App& Start(int year, const std::string& folder = {});

private:
    std::vector<std::unique_ptr<App>> apps_;
};

} // namespace e2e
