#include "Scenario.h"

#include <cstdlib>

namespace e2e {

using namespace robot;

namespace {

std::string ModuleFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The package's area folders below its installation folder (both editions' catalogues).
const char* const kAreaFolders[] = {
    "Addon Scenery\\Vellmora\\AFCAD2", "Addon Scenery\\Vellmora\\ROKJ",         "Addon Scenery\\Vellmora\\RJOT",
    "Addon Scenery\\Vellmora\\RJAF",   "Addon Scenery\\Vellmora\\RJSN",         "Addon Scenery\\Vellmora\\RJSK",
    "Addon Scenery\\Vellmora\\RJSA",   "Addon Scenery\\Vellmora\\KQ9_Vehicles",
};

void RemoveProgramEntries() {
    registry::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Microsoft Games\\Flight Simulator");
    registry::DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Vellmora");
}

} // namespace

std::vector<int> MainWindowIds::Operations() const {
    std::vector<int> ids{scnAdd, scnDel};
    if (afdAdd)
        ids.insert(ids.end(), {afdAdd, afdRes});
    return ids;
}

std::string BinFolder() {
    const std::string bin = Environment("QUILLET_BIN");
    return bin.empty() ? ModuleFolder() : bin;
}

std::string ProgramPath(int year) {
    return files::Join(BinFolder(), "Quillet" + std::to_string(year) + ".exe");
}

std::string StubPath(const std::string& name) {
    return files::Join(files::Join(BinFolder(), "stubs"), name + ".exe");
}

std::string FixturePath(const std::string& name) {
    std::string folder = Environment("QUILLET_FIXTURES");
    if (folder.empty())
        folder = files::FromUnix(QUILLET_SOURCE_DIR "/tests/fixtures");
    return files::Join(folder, name);
}

const MainWindowIds& MainIds(int year) {
    return year == 2002 ? kMainIds2002 : kMainIds2004;
}

const std::string& FsKey(int year) {
    return year == 2002 ? kFsKey2002 : kFsKey2004;
}

std::vector<Window> App::Forms() const {
    std::vector<Window> forms;
    for (const Window& window : TopLevelWindows(Pid()))
        if (window.ClassName() != "#32770" || !window.FindChild(0xFFFF))
            forms.push_back(window);
    return forms;
}

Window App::WaitForMainWindow(const std::string& title) {
    main_ = WaitForWindow(Pid(), title);
    return main_;
}

const Window& App::MainWindow() const {
    if (!main_.Exists())
        throw RobotError("the main window of Quillet" + std::to_string(year_) +
                         " is not there; seen: " + DescribeWindows(Pid()));
    return main_;
}

MsgBox App::WaitForBox(Duration timeout) const {
    return WaitForMessageBox(Pid(), timeout);
}

void App::ExpectNoBox() const {
    MainWindow().Sync();
    for (const MsgBox& box : MessageBoxes(Pid()))
        ADD_FAILURE() << "unexpected message box " << box.Describe();
}

void Scenario::SetUp() {
    RemoveProgramEntries();
    SetJapanese(false);
    EndProcessesUnder(kRoot);
    // A process that has just ended may hold its folder a moment longer.
    std::string lastError;
    WaitUntil(
        "the removal of " + kRoot,
        [&] {
            try {
                files::RemoveTree(kRoot);
                return true;
            } catch (const RobotError& error) {
                lastError = error.what();
                return false;
            }
        },
        kTimeout, [&] { return lastError; });
    files::MakeFolder(kRoot);
}

void Scenario::TearDown() {
    apps_.clear();
    // Programs the programs started (an installer, not awaited) go too.
    EndProcessesUnder(kRoot);
    RemoveProgramEntries();
    SetJapanese(false);
}

void Scenario::SetLocale(const std::string& value) {
    registry::SetText(HKEY_CURRENT_USER, kLocaleKey, "Locale", value);
}

void Scenario::SetFsPath(int year, const std::string& text, DWORD type) {
    registry::SetText(HKEY_LOCAL_MACHINE, FsKey(year), "EXE Path", text, type);
}

void Scenario::SetAddonPath(const std::string& text, DWORD type) {
    registry::SetText(HKEY_LOCAL_MACHINE, kAddonKey, "Path", text, type);
}

std::string Scenario::MakeSimulatorFolder(int year, const std::string& sceneryCfgFixture) {
    const std::string folder = files::Join(kRoot, "FS" + std::to_string(year));
    files::MakeFolder(folder);
    const std::string sceneryCfg = files::Join(folder, "scenery.cfg");
    if (files::Exists(sceneryCfg))
        files::SetReadOnly(sceneryCfg, false);
    files::Copy(FixturePath(sceneryCfgFixture), sceneryCfg);
    // The copy takes the fixture's attributes; a scenario that wants it read-only says so.
    files::SetReadOnly(sceneryCfg, false);
    return folder;
}

std::string Scenario::MakePackageFolder() {
    const std::string folder = files::Join(kRoot, "Ambrello");
    for (const char* area : kAreaFolders)
        files::WriteFile(files::Join(files::Join(files::Join(folder, area), "Scenery"), "area.bgl"),
                         std::string("BGL demo area ") + area);
    return folder;
}

void Scenario::MakeReadyMachine(int year) {
    SetFsPath(year, MakeSimulatorFolder(year));
    SetAddonPath(MakePackageFolder() + "\\");
}

App& Scenario::Start(int year, const std::string& folder) {
    const std::string where = folder.empty() ? files::Join(kRoot, "Setup" + std::to_string(year)) : folder;
    const std::string exe = files::Join(where, "Quillet" + std::to_string(year) + ".exe");
    if (!files::Exists(exe))
        files::Copy(ProgramPath(year), exe);
    apps_.push_back(std::make_unique<App>(year, Process::Start(exe, where)));
    return *apps_.back();
}

} // namespace e2e
