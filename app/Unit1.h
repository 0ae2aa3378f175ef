#pragma once
// The main window of both editions. The members carry the roles of the edition's controls; the
// design table gives them their names (Edit_FS2002 or Edit_FS2004, GroupBox2 or GroupBox1, ...).
#include "app/MainDesign.h"
#include "facility/Facility.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Form.h"
#include "platform/Registry.h"
#include "platform/System.h"

#include <array>
#include <functional>
#include <string>

extern bool Flag_Busy;

struct MainContext {
    const MainWindowEdition& edition;
    platform::RegistrySource& registry;
    platform::System& system;
    // Runs a facility operation between the two busy toggles (FS2002 edition); empty otherwise.
    std::function<void(FacilityMode)> facility;
};

class TMainF : public fw::TForm {
public:
    TMainF(fw::TApplication& app, MainContext context);

    fw::TButton* Button_End;
    fw::TGroupBox* GroupBox;    // GroupBox2 (FS2002) or GroupBox1 (FS2004)
    fw::TEdit* Edit_FS;         // the simulator folder box: Edit_FS2002 or Edit_FS2004
    fw::TButton* Button_ScnAdd; // Button_ScnAdd2 or Button_ScnAdd4
    fw::TButton* Button_ScnDel; // Button_ScnDel2 or Button_ScnDel4
    fw::TButton* Button_AfdAdd; // Button_AfdAdd2 (FS2002); nullptr in the FS2004 edition
    fw::TButton* Button_AfdRes; // Button_AfdRes2 (FS2002); nullptr in the FS2004 edition
    fw::TButton* Button_Browse; // Button_Browse2 or Button_Browse4
    fw::TButton* Button_Support;
    std::string AddonPath;   // the package folder as read (ANSI), or empty
    bool MutexTaken = false; // the single-instance mutex is ours

    const MainWindowEdition& Edition() const { return context_.edition; }
    platform::System& System() const { return context_.system; }
    // Flips the busy state and the enabled state of the window's controls; called in pairs.
    void ToggleBusy();
    // Posts the quit message and lets it be taken: the loop stops after the current message.
    void RequestEnd();

    // Called when the window is first shown: takes the single-instance mutex.
    void FormShow();
    // Called when the user asks to close the window: refused while busy.
    void FormCloseQuery(bool& canClose);
    // Called when the box's text changes: the operation buttons follow whether it is empty.
    void Edit_FSChange();
    void Button_BrowseClick();
    void Button_SupportClick();
    void Button_EndClick();
    void Button_ScnAddClick();
    void Button_ScnDelClick();
    void Button_AfdAddClick();
    void Button_AfdResClick();

private:
    std::array<fw::TButton*, 4> OperationButtons() const;
    void Construct();
    MainContext context_;
};

extern TMainF* MainF;

// Runs `work` between two ToggleBusy calls; the second runs even when `work` throws.
void RunBusy(TMainF& form, const std::function<void()>& work);
