#pragma once
// Every text the user sees at start-up, in both languages, written out here as the user must see
// it (not taken from the programs' sources), so that the tests catch a changed character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

enum class Language { Japanese, English };

struct MainWindowTexts {
    std::string caption, groupBox, box, browse, scnAdd, scnDel, afdAdd, afdRes, support, end;
};

inline MainWindowTexts ExpectedMainWindow(int year, Language language) {
    const bool ja = language == Language::Japanese;
    const std::string fs = "FS" + std::to_string(year);
    MainWindowTexts t;
    t.caption = ja ? "Ambrello ダウンロード版 第2集 （" + fs + "各種設定ツール）"
                   : "Ambrello Download Version Vol.2 - Setup Tool for " + fs;
    if (year == 2002)
        t.groupBox = " Microsoft Flight Simulator 2002 ";
    else
        t.groupBox = ja ? " Microsoft Flight Simulator 2004 翼の創世紀 " : " Microsoft Flight Simulator 2004 ";
    t.browse = ja ? "参照" : "Change";
    t.scnAdd = ja ? "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの登録" : "Register the scenery library";
    t.scnDel = ja ? "ｼｰﾅﾘｰﾗｲﾌﾞﾗﾘの削除" : "Delete the scenery library";
    if (year == 2002) {
        t.afdAdd = ja ? "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの登録" : "Register the AFCAD file";
        t.afdRes = ja ? "ﾌｧｼﾘﾃｨ・ﾃﾞｰﾀの復元" : "Restore the AFCAD file";
    }
    t.support = ja ? "サポート用" : "For support";
    t.end = ja ? "終了" : "Exit";
    return t;
}

struct SupportDialogTexts {
    std::string caption, groupBox, panel, ok;
};

inline SupportDialogTexts ExpectedSupportDialog(Language language) {
    if (language == Language::Japanese)
        return {"サポート用", " アドオンソフトのインストール先 ",
                " こちらの画面に表示される内容はサポート用ですので通常使用されることはありません。", "OK"};
    return {"For support", " Ambrello Download Version Vol.2 installation folder ", "", "OK"};
}

struct BoxTexts {
    std::string text, caption;
};

inline BoxTexts ExpectedPackageMissing(Language language) {
    if (language == Language::Japanese)
        return {"アドオンソフトのインストール先が見つかりません。大変恐れ入りますが処理を中止します。", "エラー"};
    return {"Installation place of the add-on software dose not found.\nThe process will be stopped.", "Error"};
}

inline BoxTexts ExpectedAlreadyRunning(Language language) {
    if (language == Language::Japanese)
        return {"複数起動することは出来ません。", "エラー"};
    return {"It cannot run plural programs on same time.", "Error"};
}

inline BoxTexts ExpectedBusy(Language language) {
    if (language == Language::Japanese)
        return {"各種設定処理中のため終了することは出来ません。", "警告"};
    return {"You can't finish the program because under processing.", "Warning"};
}

// The application title, which captions the top-level exception box.
inline const std::string kApplicationTitle = "Setup Tool (KQ9)";

inline const char* LanguageName(Language language) {
    return language == Language::Japanese ? "Japanese" : "English";
}

// The parameter of the suites that run for both editions in both languages.
struct EditionLanguage {
    int year;
    Language language;
};

inline const std::vector<EditionLanguage> kEditionsAndLanguages{
    {2002, Language::Japanese}, {2002, Language::English}, {2004, Language::Japanese}, {2004, Language::English}};

inline void PrintTo(const EditionLanguage& value, std::ostream* out) {
    *out << "Quillet" << value.year << " in " << LanguageName(value.language);
}

inline std::string EditionLanguageName(const ::testing::TestParamInfo<EditionLanguage>& info) {
    return "Quillet" + std::to_string(info.param.year) + "_" + LanguageName(info.param.language);
}

} // namespace e2e
