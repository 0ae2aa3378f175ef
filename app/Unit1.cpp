#include "app/Unit1.h"

#include "env/Language.h"
#include "env/Registry.h"
#include "platform/Text.h"
#include "scenery/Scenery.h"
#include "ui/PathCheck.h"
#include "ui/Selectfolder.h"
#include "ui/Unit3.h"

bool Flag_Busy = false;
TMainF* MainF = nullptr;

namespace {

const Texts kPackageMissing{"アドオンソフトのインストール先が見つかりません。大変恐れ入りますが処理を中止します。",
                            "Installation place of the add-on software dose not found.\nThe process will be stopped."};
const Texts kAlreadyRunning{"複数起動することは出来ません。", "It cannot run plural programs on same time."};
const Texts kBusy{"各種設定処理中のため終了することは出来ません。",
                  "You can't finish the program because under processing."};
const Texts kErrorCaption{"エラー", "Error"};
const Texts kWarningCaption{"警告", "Warning"};

} // namespace

TMainF::TMainF(fw::TApplication& app, MainContext context)
    : fw::TForm(app, context.edition.design), Button_End(Find<fw::TButton>("Button_End")),
      GroupBox(Find<fw::TGroupBox>(context.edition.groupBoxName)), Edit_FS(Find<fw::TEdit>(context.edition.boxName)),
      Button_ScnAdd(Find<fw::TButton>(context.edition.scnAddName)),
      Button_ScnDel(Find<fw::TButton>(context.edition.scnDelName)),
      Button_AfdAdd(context.edition.afdAddName ? Find<fw::TButton>(context.edition.afdAddName) : nullptr),
      Button_AfdRes(context.edition.afdResName ? Find<fw::TButton>(context.edition.afdResName) : nullptr),
      Button_Browse(Find<fw::TButton>(context.edition.browseName)), Button_Support(Find<fw::TButton>("Button_Support")),
      context_(std::move(context)) {
    MainF = this;
    OnShow = [this] { FormShow(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    Edit_FS->OnChange = [this] { Edit_FSChange(); };
    Button_Browse->OnClick = [this] { Button_BrowseClick(); };
    Button_Support->OnClick = [this] { Button_SupportClick(); };
    Button_End->OnClick = [this] { Button_EndClick(); };
    Button_ScnAdd->OnClick = [this] { Button_ScnAddClick(); };
    Button_ScnDel->OnClick = [this] { Button_ScnDelClick(); };
    if (Button_AfdAdd)
        Button_AfdAdd->OnClick = [this] { Button_AfdAddClick(); };
    if (Button_AfdRes)
        Button_AfdRes->OnClick = [this] { Button_AfdResClick(); };
    Construct();
}

void TMainF::Construct() {
    const MainWindowEdition& edition = context_.edition;
    fw::Messages& messages = Application().GetMessages();

    Flag_Japanese = IsJapaneseLocale(context_.registry);
    if (!Flag_Japanese) {
        SetCaption(edition.englishCaption);
        Button_Support->SetText("For support");
        Button_End->SetText("Exit");
        if (edition.englishGroupBox)
            GroupBox->SetText(edition.englishGroupBox);
        Button_Browse->SetText("Change");
        Button_ScnAdd->SetText("Register the scenery library");
        Button_ScnDel->SetText("Delete the scenery library");
        if (Button_AfdAdd)
            Button_AfdAdd->SetText("Register the AFCAD file");
        if (Button_AfdRes)
            Button_AfdRes->SetText("Restore the AFCAD file");
    }

    // The facility installer finds its list files relative to the program's folder.
    std::string folder = context_.system.ModuleFileName();
    const auto slash = folder.rfind('\\');
    if (slash != std::string::npos)
        folder.erase(slash);
    context_.system.SetCurrentDirectory(folder);

    std::string fsPath;
    if (GetFsPath(context_.registry, fsPath, edition.fsIndex) && !fsPath.empty())
        Edit_FS->SetText(platform::AnsiToUtf8(fsPath));
    Edit_FSChange();

    // An empty value would put every area at the root of the current drive: as good as missing.
    std::string addon;
    if (!GetAddonPath(context_.registry, addon) || addon.empty()) {
        messages.Show(fw::MsgKind::Error, Tr(kPackageMissing), Tr(kErrorCaption));
        AddonPath.clear();
        RequestEnd();
    } else if (!CheckPathLength(addon, messages)) {
        AddonPath.clear();
        RequestEnd();
    } else {
        AddonPath = addon;
    }
}

std::array<fw::TButton*, 4> TMainF::OperationButtons() const {
    return {Button_ScnAdd, Button_ScnDel, Button_AfdAdd, Button_AfdRes};
}

void TMainF::ToggleBusy() {
    Flag_Busy = !Flag_Busy;
    for (fw::TControl* control : {static_cast<fw::TControl*>(Button_Support), static_cast<fw::TControl*>(Button_End),
                                  static_cast<fw::TControl*>(Edit_FS), static_cast<fw::TControl*>(Button_Browse)})
        control->SetEnabled(!control->Enabled());
    if (!Edit_FS->Text().empty())
        for (fw::TButton* button : OperationButtons())
            if (button)
                button->SetEnabled(!button->Enabled());
    Application().ProcessMessages();
}

void TMainF::RequestEnd() {
    Application().Terminate();
    Application().ProcessMessages();
}

void TMainF::FormShow() {
    // Creating the mutex and asking whether the name existed closes the gap between a probe and
    // a create that two copies started at once could both pass.
    if (MutexTaken)
        return;
    const platform::MutexResult mutex = context_.system.CreateNamedMutex(context_.edition.mutexName);
    if (mutex.alreadyExisted) {
        Application().GetMessages().Show(fw::MsgKind::Error, Tr(kAlreadyRunning), Tr(kErrorCaption));
        RequestEnd();
        return;
    }
    MutexTaken = mutex.created;
}

void TMainF::FormCloseQuery(bool& canClose) {
    if (Flag_Busy) {
        Application().GetMessages().Show(fw::MsgKind::Warning, Tr(kBusy), Tr(kWarningCaption));
        canClose = false;
    }
}

void TMainF::Edit_FSChange() {
    const bool enabled = !Edit_FS->Text().empty();
    for (fw::TButton* button : OperationButtons())
        if (button)
            button->SetEnabled(enabled);
}

void TMainF::Button_BrowseClick() {
    const std::string path = SelectFolder(context_.system, Handle(), Tr(context_.edition.pickerTitle));
    if (!path.empty())
        Edit_FS->SetText(path);
}

void TMainF::Button_SupportClick() {
    RunBusy(*this, [] { Form3->ShowModal(); });
}

void TMainF::Button_EndClick() {
    RequestEnd();
}

void TMainF::Button_ScnAddClick() {
    RunBusy(*this, [this] {
        SceneryAddButton(Edition().scenery, Edit_FS->Text(), AddonPath, Application().GetMessages());
    });
}

void TMainF::Button_ScnDelClick() {
    RunBusy(*this, [this] {
        SceneryDelButton(Edition().scenery, Edit_FS->Text(), AddonPath, Application().GetMessages());
    });
}

void TMainF::Button_AfdAddClick() {
    RunBusy(*this, [this] {
        if (context_.facility)
            context_.facility(FacilityMode::Register);
    });
}

void TMainF::Button_AfdResClick() {
    RunBusy(*this, [this] {
        if (context_.facility)
            context_.facility(FacilityMode::Restore);
    });
}

void RunBusy(TMainF& form, const std::function<void()>& work) {
    form.ToggleBusy();
    try {
        work();
    } catch (...) {
        form.ToggleBusy();
        throw;
    }
    form.ToggleBusy();
}
