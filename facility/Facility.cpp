#include "facility/Facility.h"

#include "env/Language.h"
#include "facility/Unit2.h"
#include "platform/Files.h"
#include "ui/PathCheck.h"
#include "ui/Selectfolder.h"

namespace {

// Everything that tells the two modes apart: the verb, the list files and the boxes.
struct ModeTexts {
    Texts verb;
    const char* listFiles[kAirportCount]; // relative to the program's folder, the installer's
    Texts question;
    Texts nothingChosen;
    Texts bglMissing;
    Texts copyFailed;
    Texts notStarted;
    Texts completed;
};

const ModeTexts kRegister{
    {"登録", "registers"},
    {"New\\AFCAD1_RJSA.TXT", "New\\AFCAD1_RJSK.TXT", "New\\AFCAD1_RJSN.TXT", "New\\AFCAD1_RJAF.TXT",
     "New\\AFCAD1_RJOT.TXT", "New\\AFCAD1_ROKJ.TXT"},
    {"ファシリティ・データの登録を行ってもよろしいですか？", "May I register the AFCAD file?"},
    {"登録されるファシリティ・データはありませんでした。", "There are no registered AFCAD file."},
    {"japanafd.bglが見つかりません。ファシリティ・データの登録を中止します。",
     "\"Japanafd.bgl\"dose not found.\nRegistration of the AFCAD file is stopped."},
    {"japanafd.bglを保存中にエラーが発生しました。ファシリティ・データの登録を中止します。",
     "An error occured during copying \"japanafd.bgl\" file.\nRegistration of the AFCAD file is stopped."},
    {"ファシリティ・データの登録中にエラーが発生しました。", "An error occured during registering the AFCAD file."},
    {"ファシリティ・データの登録が完了しました。", "Registration of the AFCAD file was completed."},
};

const ModeTexts kRestore{
    {"復元", "restores"},
    {"Org\\RJSA.TXT", "Org\\RJSK.TXT", "Org\\RJSN.TXT", "Org\\RJAF.TXT", "Org\\RJOT.TXT", "Org\\ROKJ.TXT"},
    {"ファシリティ・データの復元を行ってもよろしいですか？", "May I restore the AFCAD file?"},
    {"復元されるファシリティ・データはありませんでした。", "There was no restored AFCAD file."},
    {"japanafd.bglが見つかりません。ファシリティ・データの復元を中止します。",
     "\"Japanafd.bgl\"dose not found.\nRestoring the AFCAD file is stopped."},
    {"japanafd.bglを保存中にエラーが発生しました。ファシリティ・データの復元を中止します。",
     "An error occured during copying \"japanafd.bgl\" file.\nRestoring the AFCAD file is stopped."},
    {"ファシリティ・データの復元中にエラーが発生しました。", "An error occured during restoring the AFCAD file."},
    {"ファシリティ・データの復元が完了しました。", "Restoring the AFCAD file was completed."},
};

// The Japanese completion box shares the questions' caption; the English one has its own.
const Texts kQuestionCaption{"確認", "Question"};
const Texts kWarningCaption{"警告", "Warning"};
const Texts kErrorCaption{"エラー", "Error"};
const Texts kCompletedCaption{"確認", "Completed"};

constexpr const char* kBglPattern = "%s\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl";
constexpr const char* kOrgPattern = "%s\\Scenedb\\AFDFILES\\scenery\\japanafd.QZ_ORG";
constexpr const char* kBakPattern = "%s\\Scenedb\\AFDFILES\\scenery\\japanafd.QZ_BAK";
constexpr const char* kInstaller = "Fadrillo.exe";

// The chosen airports' list files in index order, separated by single blanks.
std::string ParameterText(const ModeTexts& mode) {
    std::string parameters;
    for (std::size_t i = 0; i < kAirportCount; ++i) {
        if (!AFD_DATA.Select[i])
            continue;
        if (!parameters.empty())
            parameters += ' ';
        parameters += mode.listFiles[i];
    }
    return parameters;
}

} // namespace

void RunFacility(FacilityMode mode, const std::string& boxText, fw::Messages& messages, platform::System& system,
                 TForm2& form2) {
    const ModeTexts& texts = mode == FacilityMode::Register ? kRegister : kRestore;

    AFD_DATA.Verb = Tr(texts.verb);
    AFD_DATA.Select.fill(false);
    if (form2.ShowModal() != fw::mrOk)
        return;
    if (!messages.Ask(Tr(texts.question), Tr(kQuestionCaption)))
        return;

    const std::string parameters = ParameterText(texts);
    if (parameters.empty()) {
        messages.Show(fw::MsgKind::Warning, Tr(texts.nothingChosen), Tr(kWarningCaption));
        return;
    }

    const auto box = BoxTextToAnsi(boxText, messages);
    if (!box)
        return;
    const std::string folder = CopyTrimPath(*box);
    AFD_DATA.BglFile = FormatText(kBglPattern, folder);
    AFD_DATA.OrgFile = FormatText(kOrgPattern, folder);
    AFD_DATA.BakFile = FormatText(kBakPattern, folder);
    // A folder too long for the Windows calls is refused before anything is touched.
    for (const std::string* path : {&AFD_DATA.BglFile, &AFD_DATA.OrgFile, &AFD_DATA.BakFile})
        if (!CheckPathLength(*path, messages))
            return;

    if (!platform::FileExists(AFD_DATA.BglFile)) {
        messages.Show(fw::MsgKind::Error, Tr(texts.bglMissing), Tr(kErrorCaption));
        return;
    }
    // The original copy keeps the facility file as the first run found it, and is never replaced.
    if (!platform::FileExists(AFD_DATA.OrgFile) && !platform::CopyFile(AFD_DATA.BglFile, AFD_DATA.OrgFile, false)) {
        messages.Show(fw::MsgKind::Error, Tr(texts.copyFailed), Tr(kErrorCaption));
        return;
    }
    // The backup keeps the file as this run found it; a failure to refresh it is not reported.
    platform::CopyFile(AFD_DATA.BglFile, AFD_DATA.BakFile, false);

    if (system.ShellOpen(kInstaller, parameters) > 32)
        messages.Show(fw::MsgKind::Information, Tr(texts.completed), Tr(kCompletedCaption));
    else
        messages.Show(fw::MsgKind::Error, Tr(texts.notStarted), Tr(kErrorCaption));
}
