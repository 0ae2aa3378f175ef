#include "facility/Unit2.h"

#include "env/Language.h"

AfdSelection AFD_DATA;
bool Flag_Syncing = false;
TForm2* Form2 = nullptr;

namespace {

using fw::ControlKind;

// Items 0 to 4 have two ideographic spaces (U+3000) before the parenthesis, item 5 one blank.
const fw::FormDesign kDesign{
    "Form2",
    "空港の選択",
    fw::BorderStyle::Dialog,
    313,
    214,
    fw::kClBtnFace,
    {"ＭＳ Ｐゴシック", -12, fw::kShiftJisCharset, fw::kClWindowText},
    {
        {.kind = ControlKind::CheckListBox,
         .name = "Check_Airport",
         .parent = nullptr,
         .left = 16,
         .top = 16,
         .width = 185,
         .height = 137,
         .tabOrder = 3,
         .caption = "",
         .itemHeight = 12,
         .items = {"青森空港　　(RJSA)", "秋田空港　　(RJSK)", "新潟空港　　(RJSN)", "松本空港　　(RJAF)",
                   "高松空港　　(RJOT)", "久米島空港 (ROKJ)"}},
        {ControlKind::Button, "Button_OK", nullptr, 216, 16, 81, 33, 0, "OK"},
        {ControlKind::Button, "Button_Cancel", nullptr, 216, 64, 81, 33, 1, "キャンセル"},
        {ControlKind::CheckBox, "Check_All", nullptr, 216, 120, 81, 17, 2, " 全て選択"},
        {.kind = ControlKind::Label,
         .name = "Label_Msg",
         .parent = nullptr,
         .left = 16,
         .top = 168,
         .width = 281,
         .height = 33,
         .tabOrder = -1,
         .caption = "Message",
         .tabStop = false,
         .wordWrap = true},
    },
};

const char* const kEnglishItems[kAirportCount] = {"RJSA - Aomori",    "RJSK - Akita",     "RJSN - Niigata",
                                                  "RJAF - Matsumoto", "RJOT - Takamatsu", "ROKJ - Kumejima"};

const Texts kMessage{"ファシリティ・データを%sする空港を選択して下さい。",
                     "Please choose the airport which %s AFCAD file."};

} // namespace

const fw::FormDesign& Form2Design() {
    return kDesign;
}

TForm2::TForm2(fw::TApplication& app)
    : fw::TForm(app, kDesign), Check_Airport(Find<fw::TCheckListBox>("Check_Airport")),
      Button_OK(Find<fw::TButton>("Button_OK")), Button_Cancel(Find<fw::TButton>("Button_Cancel")),
      Check_All(Find<fw::TCheckBox>("Check_All")), Label_Msg(Find<fw::TLabel>("Label_Msg")) {
    OnShow = [this] { FormOnShow(); };
    Check_Airport->OnClick = [this] { Check_AirportClick(); };
    Button_OK->OnClick = [this] { Button_OKClick(); };
    Button_Cancel->OnClick = [this] { Button_CancelClick(); };
    Check_All->OnClick = [this] { Check_AllClick(); };
    if (!Flag_Japanese) {
        SetCaption("Select the airport");
        Button_Cancel->SetText("Cancel");
        Check_All->SetText(" All Check");
        for (std::size_t i = 0; i < kAirportCount; ++i)
            Check_Airport->SetItem(static_cast<int>(i), kEnglishItems[i]);
    }
}

void TForm2::Button_OKClick() {
    for (std::size_t i = 0; i < kAirportCount; ++i)
        AFD_DATA.Select[i] = Check_Airport->ItemChecked(static_cast<int>(i));
    SetModalResult(fw::mrOk);
}

void TForm2::Button_CancelClick() {
    SetModalResult(fw::mrCancel);
}

void TForm2::Check_AllClick() {
    if (Flag_Syncing)
        return;
    for (std::size_t i = 0; i < kAirportCount; ++i)
        Check_Airport->SetItemChecked(static_cast<int>(i), Check_All->Checked());
    Application().ProcessMessages();
}

void TForm2::FormOnShow() {
    // Unchecking Check_All raises its click only when it was checked; the direct call clears the
    // items in either case.
    Check_Airport->SetItemIndex(-1);
    Check_All->SetChecked(false);
    Check_AllClick();
    Label_Msg->SetText(FormatText(Tr(kMessage), AFD_DATA.Verb));
}

void TForm2::Check_AirportClick() {
    int checked = 0;
    for (std::size_t i = 0; i < kAirportCount; ++i)
        if (Check_Airport->ItemChecked(static_cast<int>(i)))
            ++checked;
    Flag_Syncing = true;
    Check_All->SetChecked(checked == static_cast<int>(kAirportCount));
    Flag_Syncing = false;
    Application().ProcessMessages();
}
