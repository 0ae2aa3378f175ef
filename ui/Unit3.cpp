#include "ui/Unit3.h"

#include "env/Language.h"
#include "platform/Text.h"

TForm3* Form3 = nullptr;

namespace {

const fw::FontDesign kPanelFont{"ＭＳ Ｐゴシック", -12, fw::kShiftJisCharset, fw::kClBlack};

const fw::FormDesign kDesign{
    "Form3",
    "サポート用",
    fw::BorderStyle::Dialog,
    692,
    142,
    fw::kClBtnFace,
    {"ＭＳ Ｐゴシック", -12, fw::kShiftJisCharset, fw::kClWindowText},
    {
        {fw::ControlKind::GroupBox, "GroupBox1", nullptr, 16, 16, 657, 65, 1, " アドオンソフトのインストール先 "},
        {fw::ControlKind::Edit, "Edit_Addons", "GroupBox1", 16, 24, 625, 20, 0, "", false, false},
        {fw::ControlKind::Button, "Button_OK", nullptr, 592, 96, 81, 33, 0, "OK"},
        {fw::ControlKind::Panel, "Panel1", nullptr, 16, 96, 497, 33, 2,
         " こちらの画面に表示される内容はサポート用ですので通常使用されることはありません。", true, true, &kPanelFont,
         true},
    },
};

} // namespace

const fw::FormDesign& Form3Design() {
    return kDesign;
}

TForm3::TForm3(fw::TApplication& app, const std::string& addonPath)
    : fw::TForm(app, kDesign), GroupBox1(Find<fw::TGroupBox>("GroupBox1")), Edit_Addons(Find<fw::TEdit>("Edit_Addons")),
      Button_OK(Find<fw::TButton>("Button_OK")), Panel1(Find<fw::TPanel>("Panel1")) {
    Button_OK->OnClick = [this] { Button_OKClick(); };
    if (!Flag_Japanese) {
        SetCaption("For support");
        GroupBox1->SetText(" Ambrello Download Version Vol.2 installation folder ");
        Panel1->SetText("");
    }
    Edit_Addons->SetText(platform::AnsiToUtf8(addonPath));
}

void TForm3::Button_OKClick() {
    SetModalResult(fw::mrOk);
}
