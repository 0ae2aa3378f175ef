// Faults while the programs work on the simulator's files, as the user meets them: scenery.cfg
// held open by another program before the run and while a question is on screen, a folder in its
// place, a read-only backup or NewScenery.CFG, and a facility file that cannot be copied. Each
// checks the box the user sees, that scenery.cfg is byte for byte the old file or the fully
// edited one, and that the next run works.
#include "Scenario.h"
#include "SceneryTexts.h"

#include <algorithm>

namespace e2e {
namespace {

using namespace robot;

// Another program holding a file open: share mode 0 ("none") or read sharing only ("read").
// Held once the constructor returns; released by Release() or at the end of the scope.
class HeldOpen {
public:
    HeldOpen(const std::string& path, const std::string& sharing)
        : path_(path), sharing_(sharing),
          process_(Process::Start(StubPath("Lock"), BinFolder(), sharing + " " + path)) {
        WaitUntil("Lock.exe to hold " + path + " (" + sharing + ")", [this] {
            if (!process_.Running())
                throw RobotError("Lock.exe ended with " + std::to_string(process_.WaitForExit()) + ": cannot open " +
                                 path_ + " (" + sharing_ + ")");
            return !Opens();
        });
    }
    void Release() {
        process_.Kill();
        WaitUntil("the lock on " + path_ + " to go", [this] { return Opens(); });
    }

private:
    // An open that the lock refuses: any open under "none", a write open under "read".
    bool Opens() const {
        const HANDLE file =
            CreateFileA(path_.c_str(), sharing_ == "none" ? GENERIC_READ : GENERIC_WRITE,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            throw RobotError("cannot open " + path_ + ": error " + std::to_string(GetLastError()));
        return false;
    }

    std::string path_, sharing_;
    Process process_;
};

class FaultTest : public Scenario, public ::testing::WithParamInterface<EditionLanguage> {
protected:
    int Year() const { return GetParam().year; }
    Language Lang() const { return GetParam().language; }
    const SceneryBoxes& T() const { return texts_; }

    void Ready() {
        texts_ = ExpectedSceneryBoxes(Lang());
        sim = MakeSimulatorFolder(Year());
        package = MakePackageFolder();
        cfg = files::Join(sim, "scenery.cfg");
        backup = files::Join(sim, "scenery.QZ_BAK");
        newCfg = files::Join(sim, "NewScenery.CFG");
        SetFsPath(Year(), sim);
        SetAddonPath(package + "\\");
        files::WriteFile(cfg, kStart);
    }
    App& Open() {
        SetJapanese(Lang() == Language::Japanese);
        App& app = Start(Year());
        app.WaitForMainWindow(ExpectedMainWindow(Year(), Lang()).caption);
        return app;
    }
    // Waits for the next box, checks it, and answers it; `whileOpen` runs before the answer.
    void Next(App& app, BoxKind kind, const BoxTexts& expected, int answer,
              const std::function<void()>& whileOpen = {}) {
        const MsgBox box = app.WaitForBox();
        EXPECT_EQ(box.Kind(), kind) << box.Describe();
        EXPECT_EQ(box.Text(), expected.text);
        EXPECT_EQ(box.Caption(), expected.caption);
        if (whileOpen)
            whileOpen();
        box.Answer(answer);
        WaitUntil("the box to close", [&] { return !box.Exists(); });
    }
    void Done(App& app) {
        app.ExpectNoBox();
        EXPECT_TRUE(app.Control(app.Ids().scnAdd).Enabled());
        EXPECT_TRUE(app.Control(app.Ids().end).Enabled());
    }
    BoxTexts Failed(const std::string& line) const { return {Fill(T().updateFailed, {line}), T().errorCaption}; }
    BoxTexts CannotRead(DWORD code) const { return Failed(Fill(T().cannotRead, {cfg, SystemText(code)})); }
    BoxTexts CannotSave(DWORD code) const { return Failed(Fill(T().cannotSave, {cfg, SystemText(code)})); }
    // A whole register run that completes.
    void RegisterToCompletion(App& app) {
        app.Control(app.Ids().scnAdd).PostClick();
        Next(app, BoxKind::Question, T().registerQuestion, IDYES);
        Next(app, BoxKind::Information, T().registerDone, IDOK);
        Done(app);
    }
    void ExpectCopy() {
        if (Year() == 2004)
            EXPECT_TRUE(files::SameBytes(newCfg, cfg));
        else
            EXPECT_FALSE(files::Exists(newCfg));
    }

    const std::string kStart = "[General]\r\nTitle=T\r\n\r\n";
    std::string sim, package, cfg, backup, newCfg;

private:
    SceneryBoxes texts_;
};

// Held open without sharing before the run: reading it fails, the box says so, nothing is
// touched (no backup either); once it is free, the next run goes through.
TEST_P(FaultTest, HeldOpenBeforeTheRun) {
    Ready();
    App& app = Open();
    HeldOpen lock(cfg, "none");
    app.Control(app.Ids().scnAdd).PostClick();
    Next(app, BoxKind::Question, T().registerQuestion, IDYES);
    Next(app, BoxKind::Error, CannotRead(ERROR_SHARING_VIOLATION), IDOK);
    Done(app);
    lock.Release();
    EXPECT_TRUE(files::HasBytes(cfg, kStart));
    EXPECT_EQ(files::List(sim), std::vector<std::string>{"scenery.cfg"});

    RegisterToCompletion(app);
    EXPECT_TRUE(files::HasBytes(cfg, kStart + Appended(Year(), 0, 0)));
    EXPECT_TRUE(files::HasBytes(backup, kStart));
    ExpectCopy();
}

// Taken while the delete question is on screen, with read sharing: the backup is made, the save
// is refused; scenery.cfg keeps every registered area, and the next delete removes them.
TEST_P(FaultTest, HeldOpenFromTheDeleteQuestionOn) {
    Ready();
    App& app = Open();
    RegisterToCompletion(app);
    const std::string registered = kStart + Appended(Year(), 0, 0);
    std::optional<HeldOpen> lock;
    app.Control(app.Ids().scnDel).PostClick();
    Next(app, BoxKind::Question, T().deleteQuestion, IDYES, [&] { lock.emplace(cfg, "read"); });
    if (Year() == 2004)
        Next(app, BoxKind::Question, T().keepAfcad2, IDNO);
    Next(app, BoxKind::Error, CannotSave(ERROR_ACCESS_DENIED), IDOK);
    Done(app);
    lock->Release();
    EXPECT_TRUE(files::HasBytes(cfg, registered));
    EXPECT_TRUE(files::HasBytes(backup, registered));
    ExpectCopy(); // still the copy of the registered file
    EXPECT_EQ(files::List(sim),
              (Year() == 2004 ? std::vector<std::string>{"NewScenery.CFG", "scenery.QZ_BAK", "scenery.cfg"}
                              : std::vector<std::string>{"scenery.QZ_BAK", "scenery.cfg"}));

    app.Control(app.Ids().scnDel).PostClick();
    Next(app, BoxKind::Question, T().deleteQuestion, IDYES);
    if (Year() == 2004)
        Next(app, BoxKind::Question, T().keepAfcad2, IDNO);
    Next(app, BoxKind::Information, T().deleteDone, IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, kStart));
    ExpectCopy();
}

// Taken without sharing while the read-only question is on screen: after Yes the backup cannot be
// copied (the old one stays) and reading fails; scenery.cfg keeps its bytes, and the next run,
// with the file free, goes through.
TEST_P(FaultTest, HeldOpenFromTheReadOnlyQuestionOn) {
    Ready();
    files::WriteFile(backup, "old backup");
    files::SetReadOnly(cfg, true);
    App& app = Open();
    std::optional<HeldOpen> lock;
    app.Control(app.Ids().scnAdd).PostClick();
    Next(app, BoxKind::Question, T().registerQuestion, IDYES);
    Next(app, BoxKind::Question, {Fill(T().readOnly, {cfg}), T().questionCaption}, IDYES,
         [&] { lock.emplace(cfg, "none"); });
    Next(app, BoxKind::Error, CannotRead(ERROR_SHARING_VIOLATION), IDOK);
    Done(app);
    lock->Release();
    EXPECT_TRUE(files::HasBytes(cfg, kStart));
    EXPECT_TRUE(files::HasBytes(backup, "old backup"));
    EXPECT_FALSE(files::Exists(newCfg));

    // Yes lifted the attribute (archive alone) although the file was held.
    EXPECT_EQ(GetFileAttributesA(cfg.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));

    RegisterToCompletion(app);
    EXPECT_TRUE(files::HasBytes(cfg, kStart + Appended(Year(), 0, 0)));
    EXPECT_TRUE(files::HasBytes(backup, kStart));
    ExpectCopy();
}

// A folder named scenery.cfg: both buttons give the missing box and make nothing beside it.
TEST_P(FaultTest, ConfigurationFileThatIsAFolder) {
    Ready();
    ASSERT_TRUE(DeleteFileA(cfg.c_str()));
    files::MakeFolder(cfg);
    App& app = Open();
    app.Control(app.Ids().scnAdd).PostClick();
    Next(app, BoxKind::Question, T().registerQuestion, IDYES);
    Next(app, BoxKind::Error, T().missing, IDOK);
    Done(app);
    app.Control(app.Ids().scnDel).PostClick();
    Next(app, BoxKind::Question, T().deleteQuestion, IDYES);
    Next(app, BoxKind::Error, T().missing, IDOK);
    Done(app);
    EXPECT_TRUE(files::IsFolder(cfg));
    EXPECT_TRUE(files::List(cfg).empty());
    EXPECT_EQ(files::List(sim), std::vector<std::string>{"scenery.cfg"});
}

// A read-only backup is not refreshed, which is not reported: the edits are saved, the run
// completes, and the old backup stays, still read-only.
TEST_P(FaultTest, ReadOnlyBackup) {
    Ready();
    files::WriteFile(backup, "old backup");
    files::SetReadOnly(backup, true);
    App& app = Open();
    RegisterToCompletion(app);
    EXPECT_TRUE(files::HasBytes(cfg, kStart + Appended(Year(), 0, 0)));
    EXPECT_TRUE(files::HasBytes(backup, "old backup"));
    EXPECT_TRUE(files::IsReadOnly(backup));
    ExpectCopy();
}

// The disk runs full during a save: F: is a 64 KiB drive that tools/test.sh mounts (as root) for
// this scenario. The save fails with the system's reason, scenery.cfg keeps its old bytes, no
// temporary file is left; with room made, the next run goes through.
TEST_P(FaultTest, DiskFullDuringASave) {
    const std::string drive = "F:\\";
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExA(drive.c_str(), nullptr, &total, nullptr) || total.QuadPart > (1u << 20))
        GTEST_SKIP() << "no small drive F: (tools/test.sh mounts a 64 KiB tmpfs there when run as root)";
    Ready();
    const std::string folder = drive + "FS" + std::to_string(Year());
    const std::string filler = drive + "filler";
    files::RemoveTree(folder);
    DeleteFileA(filler.c_str());
    std::string original = kStart;
    for (int n = 1; original.size() < 12000; ++n)
        original += "[Area." + std::to_string(100 + n) + "]\r\nTitle=Other scenery " + std::to_string(n) +
                    "\r\nLocal=Scenery\\Other\r\nLayer=" + std::to_string(n) + "\r\n\r\n";
    const int last = 100 + static_cast<int>(std::count(original.begin(), original.end(), '[')) - 1;
    const int layer = last - 100;
    // Just below three 4 KiB pages: the first save, one area more, needs a fourth page.
    const std::size_t size = 3 * 4096 - 50;
    original += "[Pad]\r\nP=" + std::string(size - original.size() - 13, 'p') + "\r\n\r\n";
    ASSERT_EQ(original.size(), size);
    // The file, its backup and the filler leave less room than the saved file needs.
    files::WriteFile(filler, std::string(28 * 1024, 'f'));
    cfg = files::Join(folder, "scenery.cfg");
    backup = files::Join(folder, "scenery.QZ_BAK");
    newCfg = files::Join(folder, "NewScenery.CFG");
    files::WriteFile(cfg, original);
    SetFsPath(Year(), folder);
    App& app = Open();
    app.Control(app.Ids().scnAdd).PostClick();
    Next(app, BoxKind::Question, T().registerQuestion, IDYES);
    Next(app, BoxKind::Error, CannotSave(ERROR_DISK_FULL), IDOK);
    Done(app);
    EXPECT_TRUE(files::HasBytes(cfg, original));
    EXPECT_TRUE(files::HasBytes(backup, original));
    EXPECT_EQ(files::List(folder), (std::vector<std::string>{"scenery.QZ_BAK", "scenery.cfg"}));

    ASSERT_TRUE(DeleteFileA(filler.c_str()));
    RegisterToCompletion(app);
    // Another drive: Local is the absolute area folder.
    const std::string added = Appended(Year(), last, layer, package + "\\");
    EXPECT_TRUE(files::HasBytes(cfg, original + added));
    EXPECT_TRUE(files::HasBytes(backup, original));
    ExpectCopy();
    app.Control(app.Ids().end).PostClick();
    EXPECT_EQ(app.WaitForExit(), 0u);
    files::RemoveTree(folder);
}

INSTANTIATE_TEST_SUITE_P(Editions, FaultTest,
                         ::testing::Values(EditionLanguage{2002, Language::Japanese},
                                           EditionLanguage{2004, Language::English}),
                         EditionLanguageName);

// FS2004: a read-only NewScenery.CFG keeps its old bytes and the completion box still follows.
class NewSceneryFaultTest : public FaultTest {};

TEST_P(NewSceneryFaultTest, ReadOnlyCopy) {
    Ready();
    files::WriteFile(newCfg, "old copy");
    files::SetReadOnly(newCfg, true);
    App& app = Open();
    RegisterToCompletion(app);
    EXPECT_TRUE(files::HasBytes(cfg, kStart + Appended(Year(), 0, 0)));
    EXPECT_TRUE(files::HasBytes(backup, kStart));
    EXPECT_TRUE(files::HasBytes(newCfg, "old copy"));
    EXPECT_TRUE(files::IsReadOnly(newCfg));
}

INSTANTIATE_TEST_SUITE_P(Fs2004, NewSceneryFaultTest,
                         ::testing::Values(EditionLanguage{2004, Language::Japanese},
                                           EditionLanguage{2004, Language::English}),
                         EditionLanguageName);

// FS2002: japanafd.QZ_ORG cannot be made while another program holds japanafd.bgl without
// sharing: the copy error, no backup copy, no installer; with the file free the next run completes.
class FacilityFaultTest : public Scenario, public ::testing::WithParamInterface<Language> {};

TEST_P(FacilityFaultTest, OriginalCopyCannotBeMadeWhileTheFacilityFileIsHeld) {
    const bool ja = GetParam() == Language::Japanese;
    SetJapanese(ja);
    MakeReadyMachine(2002);
    const std::string folder = files::Join(kRoot, "FS2002\\Scenedb\\AFDFILES\\scenery");
    const std::string bgl = files::Join(folder, "japanafd.bgl");
    files::WriteFile(bgl, "BGL facility data");
    const std::string setup = files::Join(kRoot, "Setup2002");
    files::MakeFolder(setup);
    files::Copy(StubPath("Fadrillo"), files::Join(setup, "Fadrillo.exe"));
    App& app = Start(2002);
    app.WaitForMainWindow(ExpectedMainWindow(2002, GetParam()).caption);
    const BoxTexts question{ja ? "ファシリティ・データの登録を行ってもよろしいですか？"
                               : "May I register the AFCAD file?",
                            ja ? "確認" : "Question"};
    const BoxTexts copyFailed{
        ja ? "japanafd.bglを保存中にエラーが発生しました。ファシリティ・データの登録を中止します。"
           : "An error occured during copying \"japanafd.bgl\" file.\nRegistration of the AFCAD file is stopped.",
        ja ? "エラー" : "Error"};
    const BoxTexts completed{ja ? "ファシリティ・データの登録が完了しました。"
                                : "Registration of the AFCAD file was completed.",
                             ja ? "確認" : "Completed"};
    // One run with every airport: the dialog's select-all box, OK, Yes, then the result box.
    const auto run = [&](const BoxTexts& result, BoxKind kind) {
        app.Control(app.Ids().afdAdd).PostClick();
        const Window dialog = WaitForWindow(app.Pid(), ja ? "空港の選択" : "Select the airport", "TForm2");
        dialog.Child(1003).Click(); // select all
        dialog.Child(1001).PostClick();
        for (const auto& [texts, boxKind, answer] :
             {std::tuple{question, BoxKind::Question, IDYES}, std::tuple{result, kind, IDOK}}) {
            const MsgBox box = app.WaitForBox();
            EXPECT_EQ(box.Kind(), boxKind) << box.Describe();
            EXPECT_EQ(box.Text(), texts.text);
            EXPECT_EQ(box.Caption(), texts.caption);
            box.Answer(answer);
            WaitUntil("the box to close", [&] { return !box.Exists(); });
        }
        app.ExpectNoBox();
        EXPECT_TRUE(app.Control(app.Ids().afdAdd).Enabled());
    };
    {
        HeldOpen lock(bgl, "none");
        run(copyFailed, BoxKind::Error);
        lock.Release();
    }
    EXPECT_EQ(files::List(folder), std::vector<std::string>{"japanafd.bgl"});
    EXPECT_FALSE(files::Exists(files::Join(setup, "Fadrillo.log")));

    run(completed, BoxKind::Information);
    EXPECT_TRUE(files::HasBytes(files::Join(folder, "japanafd.QZ_ORG"), "BGL facility data"));
    EXPECT_TRUE(files::HasBytes(files::Join(folder, "japanafd.QZ_BAK"), "BGL facility data"));
    WaitUntil("the installer to start", [&] { return files::Exists(files::Join(setup, "Fadrillo.log")); });
}

INSTANTIATE_TEST_SUITE_P(Languages, FacilityFaultTest, ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) { return std::string(LanguageName(info.param)); });

} // namespace
} // namespace e2e
