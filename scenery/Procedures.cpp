// The register and delete procedures and the two scenery buttons.
#include "env/Language.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "scenery/Inifile.h"
#include "scenery/Scenery.h"
#include "ui/PathCheck.h"
#include "ui/Selectfolder.h"

#include <optional>

namespace {

const Texts kRegisterQuestion{"シーナリーライブラリの登録を行ってもよろしいですか？",
                              "May I register the scenery library?"};
const Texts kRegisterDone{"シーナリーライブラリの登録が完了しました。",
                          "Registering the scerery library was completed."};
const Texts kDeleteQuestion{"シーナリーライブラリの削除を行ってもよろしいですか？",
                            "May I delete the scenery from your scenery library?"};
const Texts kDeleteDone{"シーナリーライブラリの削除が完了しました。",
                        "Deletion from the scenery library was completed."};
const Texts kConfigMissing{"scenery.cfg が存在しません。\n処理を中止します。",
                           "There are no \"scenery.cfg\".\nThe process will be stopped."};
const Texts kNothingToRegister{"シーナリーライブラリに登録されるシーナリーはありませんでした。",
                               "There are no scerery to register the scenery library."};
const Texts kKeepAfcad2{"シーナリーエリア \"Vellmora - AFCAD2\" は残したままでよろしいですか？\n"
                        "（本製品以外のAmbrelloシリーズをご使用される場合：\"はい\"を選択）",
                        "Do you save the scenery area \"Vellmora - AFCAD2\"?\n(If you keep using other \"Ambrello\" "
                        "series,you have to choose \"Yes\".)"};
const Texts kUpdateFailed{"scenery.cfg の更新中にエラーが発生しました。\n%s\n処理を中止します。",
                          "An error occurred while updating \"scenery.cfg\".\n%s\nThe process will be stopped."};
const Texts kNoFreeNumber{"エリア番号に空きがないため、次のシーナリーエリアを登録できませんでした。\n%s",
                          "No free area number is left in \"scenery.cfg\" (Area.999 is in use).\nThese areas were not "
                          "registered:\n%s"};
const Texts kQuestionCaption{"確認", "Question"};
const Texts kDoneCaption{"完了", "Completed"};
const Texts kStopCaption{"中止", "Error"};
const Texts kErrorCaption{"エラー", "Error"};
const Texts kWarningCaption{"警告", "Warning"};

// The paths of a run, once the box text is in the ANSI code page and every path the run may
// compose fits the Windows limit; nullopt after the error box otherwise.
std::optional<AreaPaths> PrepareRun(const SceneryEdition& edition, const std::string& boxText,
                                    const std::string& addonPath, fw::Messages& messages) {
    const std::optional<std::string> box = BoxTextToAnsi(boxText, messages);
    if (!box)
        return std::nullopt;
    AreaPaths paths = MakeAreaPaths(*box, addonPath);
    const std::string config = ConfigPath(paths.simulatorFolder);
    std::vector<std::string> composed{paths.simulatorFolder, addonPath, config, BackupName(config)};
    if (edition.SaveNewScenery)
        composed.push_back(NewConfigPath(paths.simulatorFolder));
    for (const AREA_DEF& row : edition.AreaCatalogue) {
        composed.push_back(AreaFolder(paths, row));
        composed.push_back(BglPattern(SceneryFolder(paths, row)));
    }
    for (const std::string& path : composed)
        if (!CheckPathLength(path, messages))
            return std::nullopt;
    return paths;
}

// What both procedures start from: the run's paths and its existing scenery.cfg, with one work
// list entry per catalogue row; nullopt after the error box otherwise.
struct Run {
    AreaPaths paths;
    std::string config;
};

std::optional<Run> BeginRun(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                            fw::Messages& messages) {
    std::optional<AreaPaths> paths = PrepareRun(edition, boxText, addonPath, messages);
    if (!paths)
        return std::nullopt;
    std::string config = ConfigPath(paths->simulatorFolder);
    if (!platform::FileExists(config)) {
        messages.Show(fw::MsgKind::Error, Tr(kConfigMissing), Tr(kStopCaption));
        return std::nullopt;
    }
    AreaList.resize(edition.AreaCatalogue.size());
    return Run{std::move(*paths), std::move(config)};
}

void StartJob(const std::string& config, std::size_t count) {
    SceneryJob.FileName = config;
    SceneryJob.Count = static_cast<std::int32_t>(count);
    SceneryJob.Data = AreaList.data();
}

// False after the error box when the editor failed; a refusal shows nothing.
bool Reported(const EditResult& result, fw::Messages& messages) {
    if (!result.error.empty())
        messages.Show(fw::MsgKind::Error, FormatText(Tr(kUpdateFailed), result.error), Tr(kErrorCaption));
    return result.done;
}

} // namespace

bool RegisterScenery(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                     fw::Messages& messages) {
    const std::optional<Run> run = BeginRun(edition, boxText, addonPath, messages);
    if (!run)
        return false;
    const std::span<const AREA_DEF> catalogue = edition.AreaCatalogue;
    bool anyScenery = false;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        A_DATA& area = AreaList[i];
        area.Add = HasBgl(SceneryFolder(run->paths, catalogue[i]));
        anyScenery = anyScenery || area.Add;
        area.Title = catalogue[i].Title;
        area.Active = "TRUE";
        area.Local = LocalOf(run->paths, catalogue[i]);
    }
    if (!anyScenery) {
        messages.Show(fw::MsgKind::Warning, Tr(kNothingToRegister), Tr(kWarningCaption));
        return true;
    }

    StartJob(run->config, catalogue.size());
    if (!Reported(CheckScenery(&SceneryJob), messages))
        return false;
    // Listed areas without scenery files go; unlisted ones with scenery files come.
    for (A_DATA& area : AreaList) {
        area.Del = area.Exist && !area.Add;
        area.Add = !area.Exist && area.Add;
    }
    if (!Reported(DelScenery(&SceneryJob, true, messages), messages))
        return false;
    const EditResult added = AddScenery(&SceneryJob);
    if (!Reported(added, messages))
        return false;
    if (!added.notAdded.empty()) {
        std::string titles;
        for (const std::string& title : added.notAdded)
            titles += (titles.empty() ? "" : "\n") + platform::AnsiToUtf8(title);
        messages.Show(fw::MsgKind::Warning, FormatText(Tr(kNoFreeNumber), titles), Tr(kWarningCaption));
        return false;
    }
    return true;
}

bool UnregisterScenery(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                       fw::Messages& messages) {
    const std::optional<Run> run = BeginRun(edition, boxText, addonPath, messages);
    if (!run)
        return false;
    const std::span<const AREA_DEF> catalogue = edition.AreaCatalogue;
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        AreaList[i].Local = LocalOf(run->paths, catalogue[i]);

    StartJob(run->config, catalogue.size());
    if (!Reported(CheckScenery(&SceneryJob), messages))
        return false;
    for (A_DATA& area : AreaList)
        area.Del = area.Exist;
    // Other packages of the series use the AFCAD2 area too: the user may keep it.
    if (edition.AskKeepAfcad2 && AreaList[0].Del && HasBgl(SceneryFolder(run->paths, catalogue[0])) &&
        messages.Ask(Tr(kKeepAfcad2), Tr(kQuestionCaption)))
        AreaList[0].Del = false;
    return Reported(DelScenery(&SceneryJob, true, messages), messages);
}

void SaveNewSceneryCfg(const std::string& boxText, fw::Messages& messages) {
    const std::optional<std::string> box = BoxTextToAnsi(boxText, messages);
    if (!box)
        return;
    const std::string folder = CopyTrimPath(*box);
    const std::string source = ConfigPath(folder);
    const std::string target = NewConfigPath(folder);
    if (!CheckPathLength(source, messages) || !CheckPathLength(target, messages))
        return;
    if (platform::FileExists(source))
        platform::CopyFile(source, target, false);
}

namespace {

void RunButton(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
               fw::Messages& messages, const Texts& question, const Texts& done,
               bool (*procedure)(const SceneryEdition&, const std::string&, const std::string&, fw::Messages&)) {
    if (!messages.Ask(Tr(question), Tr(kQuestionCaption)))
        return;
    if (!procedure(edition, boxText, addonPath, messages))
        return;
    if (edition.SaveNewScenery)
        SaveNewSceneryCfg(boxText, messages);
    messages.Show(fw::MsgKind::Information, Tr(done), Tr(kDoneCaption));
}

} // namespace

void SceneryAddButton(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                      fw::Messages& messages) {
    RunButton(edition, boxText, addonPath, messages, kRegisterQuestion, kRegisterDone, RegisterScenery);
}

void SceneryDelButton(const SceneryEdition& edition, const std::string& boxText, const std::string& addonPath,
                      fw::Messages& messages) {
    RunButton(edition, boxText, addonPath, messages, kDeleteQuestion, kDeleteDone, UnregisterScenery);
}
