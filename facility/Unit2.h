#pragma once
// The airport selection dialog (FS2002 edition) and the record through which the facility
// procedures hand it the operation's verb and get the chosen airports back.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Form.h"

#include <array>
#include <cstddef>
#include <string>

// The package's airports, in the order that the dialog's list, the selection flags and the
// list-file tables share: RJSA, RJSK, RJSN, RJAF, RJOT, ROKJ.
inline constexpr std::size_t kAirportCount = 6;

struct AfdSelection {
    // Flag i: airport i was checked when the user pressed OK.
    std::array<bool, kAirportCount> Select{};
    // The running operation's verb in the interface language (UTF-8), shown in the message.
    std::string Verb;
    // The facility file and its original and backup copies (ANSI); written by the procedure.
    std::string BglFile;
    std::string OrgFile;
    std::string BakFile;
};

// Program-wide: the procedure writes the verb and clears the flags, the dialog writes the flags
// on OK, and the paths belong to the procedure alone.
extern AfdSelection AFD_DATA;

// True only while Check_AirportClick sets Check_All; Check_AllClick then leaves the items alone.
extern bool Flag_Syncing;

class TForm2 : public fw::TForm {
public:
    explicit TForm2(fw::TApplication& app);

    fw::TCheckListBox* Check_Airport;
    fw::TButton* Button_OK;
    fw::TButton* Button_Cancel;
    fw::TCheckBox* Check_All;
    fw::TLabel* Label_Msg;

    // Called when OK is pressed: stores the check marks in AFD_DATA.Select, ends with OK.
    void Button_OKClick();
    // Called when Cancel is pressed: ends with Cancel, AFD_DATA untouched.
    void Button_CancelClick();
    // Called when Check_All changes (by the user or from code): all items follow it.
    void Check_AllClick();
    // Called before every show: nothing checked or highlighted, the message for AFD_DATA.Verb.
    void FormOnShow();
    // Called when the highlighted item changes: Check_All follows whether all six are checked.
    void Check_AirportClick();
};

extern TForm2* Form2;

const fw::FormDesign& Form2Design();
