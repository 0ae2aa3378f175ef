#include "app/MainDesign.h"

namespace {

using fw::ControlKind;

const fw::FontDesign kFont{"ＭＳ Ｐゴシック", -12, fw::kShiftJisCharset, fw::kClBtnText};

const fw::FormDesign kDesign2002{
    "MainF",
    "Ambrello ダウンロード版 第2集 （FS2002各種設定ツール）",
    fw::BorderStyle::Single,
    520,
    222,
    fw::kClBtnFace,
    kFont,
    {
        {ControlKind::Button, "Button_End", nullptr, 408, 176, 97, 33, 0, "終了"},
        {ControlKind::GroupBox, "GroupBox2", nullptr, 16, 16, 489, 145, 1, " Microsoft Flight Simulator 2002 "},
        {ControlKind::Edit, "Edit_FS2002", "GroupBox2", 16, 24, 385, 20, 0, ""},
        {ControlKind::Button, "Button_Browse2", "GroupBox2", 416, 24, 57, 25, 1, "参照"},
        {ControlKind::Button, "Button_ScnAdd2", "GroupBox2", 16, 56, 209, 25, 2, "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの登録"},
        {ControlKind::Button, "Button_ScnDel2", "GroupBox2", 240, 56, 209, 25, 3, "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの削除"},
        {ControlKind::Button, "Button_AfdAdd2", "GroupBox2", 16, 96, 209, 25, 4, "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの登録"},
        {ControlKind::Button, "Button_AfdRes2", "GroupBox2", 240, 96, 209, 25, 5, "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの復元"},
        {ControlKind::Button, "Button_Support", nullptr, 16, 176, 97, 33, 2, "サポート用"},
    },
};

const fw::FormDesign kDesign2004{
    "MainF",
    "Ambrello ダウンロード版 第2集 （FS2004各種設定ツール）",
    fw::BorderStyle::Single,
    520,
    222,
    fw::kClBtnFace,
    kFont,
    {
        {ControlKind::Button, "Button_End", nullptr, 408, 176, 97, 32, 0, "終了"},
        {ControlKind::GroupBox, "GroupBox1", nullptr, 16, 16, 489, 145, 1,
         " Microsoft Flight Simulator 2004 翼の創世紀 "},
        {ControlKind::Edit, "Edit_FS2004", "GroupBox1", 16, 24, 385, 20, 0, ""},
        {ControlKind::Button, "Button_Browse4", "GroupBox1", 416, 24, 57, 25, 1, "参照"},
        {ControlKind::Button, "Button_ScnAdd4", "GroupBox1", 16, 56, 209, 25, 2, "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの登録"},
        {ControlKind::Button, "Button_ScnDel4", "GroupBox1", 240, 56, 209, 25, 3, "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの削除"},
        {ControlKind::Button, "Button_Support", nullptr, 16, 176, 97, 33, 2, "サポート用"},
    },
};

} // namespace

const MainWindowEdition kMainWindow2002{
    2002,
    1,
    "KQ9-FS2002",
    kDesign2002,
    "Ambrello Download Version Vol.2 - Setup Tool for FS2002",
    "GroupBox2",
    nullptr,
    "Edit_FS2002",
    "Button_Browse2",
    "Button_ScnAdd2",
    "Button_ScnDel2",
    "Button_AfdAdd2",
    "Button_AfdRes2",
    {"FS2002のインストール先フォルダを選択して下さい。", "Please set up an installation place of FS2002."},
    kScenery2002,
};

const MainWindowEdition kMainWindow2004{
    2004,
    0,
    "KQ9-FS2004",
    kDesign2004,
    "Ambrello Download Version Vol.2 - Setup Tool for FS2004",
    "GroupBox1",
    " Microsoft Flight Simulator 2004 ",
    "Edit_FS2004",
    "Button_Browse4",
    "Button_ScnAdd4",
    "Button_ScnDel4",
    nullptr,
    nullptr,
    {"FS2004 翼の創世紀のインストール先フォルダを選択して下さい。", "Please set up an installation place of FS2004."},
    kScenery2004,
};
