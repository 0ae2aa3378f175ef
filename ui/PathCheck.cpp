#include "ui/PathCheck.h"

#include "env/Language.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace {

const Texts kTooLong{"パスが長すぎます。\n%s\n処理を中止します。",
                     "The path is too long.\n%s\nThe process will be stopped."};
const Texts kNotRepresentable{"フォルダ名に使用できない文字が含まれています。\n%s\n処理を中止します。",
                              "The folder name contains characters that cannot be used.\n%s\nThe process will be "
                              "stopped."};
const Texts kErrorCaption{"エラー", "Error"};

} // namespace

bool CheckPathLength(const std::string& ansiPath, fw::Messages& messages) {
    if (ansiPath.size() <= platform::kMaxPath)
        return true;
    messages.Show(fw::MsgKind::Error, FormatText(Tr(kTooLong), platform::AnsiToUtf8(ansiPath)), Tr(kErrorCaption));
    return false;
}

std::optional<std::string> BoxTextToAnsi(const std::string& boxText, fw::Messages& messages) {
    auto ansi = platform::Utf8ToAnsi(boxText);
    if (!ansi)
        messages.Show(fw::MsgKind::Error, FormatText(Tr(kNotRepresentable), boxText), Tr(kErrorCaption));
    return ansi;
}
