#pragma once
// The scenery buttons' boxes in both languages, written out as the user must see them, and the
// area sections the programs append, for the scenery, fault and bad-input scenarios.
#include "ExpectedTexts.h"

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <string>

namespace e2e {

struct SceneryBoxes {
    BoxTexts registerQuestion, registerDone, deleteQuestion, deleteDone, missing, nothing, keepAfcad2, noFreeNumber;
    // Each with "%s".
    std::string readOnly, updateFailed, cannotRead, cannotSave, tooLong, notRepresentable;
    std::string questionCaption, errorCaption;
};

inline SceneryBoxes ExpectedSceneryBoxes(Language language) {
    if (language == Language::Japanese)
        return {{"シーナリーライブラリの登録を行ってもよろしいですか？", "確認"},
                {"シーナリーライブラリの登録が完了しました。", "完了"},
                {"シーナリーライブラリの削除を行ってもよろしいですか？", "確認"},
                {"シーナリーライブラリの削除が完了しました。", "完了"},
                {"scenery.cfg が存在しません。\n処理を中止します。", "中止"},
                {"シーナリーライブラリに登録されるシーナリーはありませんでした。", "警告"},
                {"シーナリーエリア \"Vellmora - AFCAD2\" は残したままでよろしいですか？\n（本製品以外のAmbrello"
                 "シリーズをご使用される場合：\"はい\"を選択）",
                 "確認"},
                {"エリア番号に空きがないため、次のシーナリーエリアを登録できませんでした。\n%s", "警告"},
                "読み取り専用ファイルです。上書きしてもよろしいですか？\n%s",
                "scenery.cfg の更新中にエラーが発生しました。\n%s\n処理を中止します。",
                "\"%s\" を読み込めません: %s",
                "\"%s\" を保存できません: %s",
                "パスが長すぎます。\n%s\n処理を中止します。",
                "フォルダ名に使用できない文字が含まれています。\n%s\n処理を中止します。",
                "確認",
                "エラー"};
    return {{"May I register the scenery library?", "Question"},
            {"Registering the scerery library was completed.", "Completed"},
            {"May I delete the scenery from your scenery library?", "Question"},
            {"Deletion from the scenery library was completed.", "Completed"},
            {"There are no \"scenery.cfg\".\nThe process will be stopped.", "Error"},
            {"There are no scerery to register the scenery library.", "Warning"},
            {"Do you save the scenery area \"Vellmora - AFCAD2\"?\n(If you keep using other \"Ambrello\" "
             "series,you have to choose \"Yes\".)",
             "Question"},
            {"No free area number is left in \"scenery.cfg\" (Area.999 is in use).\nThese areas were not "
             "registered:\n%s",
             "Warning"},
            "This is read only file.May I update?\n%s",
            "An error occurred while updating \"scenery.cfg\".\n%s\nThe process will be stopped.",
            "Cannot read \"%s\": %s",
            "Cannot save \"%s\": %s",
            "The path is too long.\n%s\nThe process will be stopped.",
            "The folder name contains characters that cannot be used.\n%s\nThe process will be stopped.",
            "Question",
            "Error"};
}

// `format` with its "%s" replaced in order.
inline std::string Fill(std::string format, std::initializer_list<std::string> values) {
    std::size_t at = 0;
    for (const std::string& value : values) {
        at = format.find("%s", at);
        format.replace(at, 2, value);
        at += value.size();
    }
    return format;
}
inline std::string Fill(const std::string& format, const std::string& value) {
    return Fill(format, {value});
}

// The areas of the FS2004 edition in their order; the FS2002 edition has all but the first.
inline const char* const kAreaTitles[] = {"Vellmora - AFCAD2", "Vellmora - ROKJ",           "Vellmora - RJOT",
                                          "Vellmora - RJAF",   "Vellmora - RJSN",           "Vellmora - RJSK",
                                          "Vellmora - RJSA",   "Vellmora - Vehicles(Vol.2)"};
inline const char* const kAreaFolders[] = {"AFCAD2", "ROKJ", "RJOT", "RJAF", "RJSN", "RJSK", "RJSA", "KQ9_Vehicles"};

// An area section as the programs append it.
inline std::string AreaSection(int number, const std::string& title, const std::string& local, int layer) {
    char name[32];
    std::snprintf(name, sizeof name, "Area.%03d", number);
    return std::string("[") + name + "]\r\nTitle=" + title + "\r\nLocal=" + local +
           "\r\nActive=TRUE\r\nLayer=" + std::to_string(layer) + "\r\nRequired=FALSE\r\nRemote=\r\n\r\n";
}

// The edition's areas appended after area `last` and layer `layer`, Local below `localBase`.
inline std::string Appended(int year, int last, int layer, const std::string& localBase = "..\\Ambrello\\") {
    std::string sections;
    for (std::size_t i = year == 2004 ? 0 : 1; i < std::size(kAreaTitles); ++i)
        sections +=
            AreaSection(++last, kAreaTitles[i], localBase + "Addon Scenery\\Vellmora\\" + kAreaFolders[i], ++layer);
    return sections;
}

} // namespace e2e
