#pragma once
#include <string>

namespace fw {

// The four kinds of message box the programs use.
enum class MsgKind {
    Error,      // error icon, OK
    Warning,    // warning icon, OK
    Question,   // question icon, Yes and No
    Information // information icon, OK
};

enum class MsgResult { Ok, Yes, No };

// Message boxes without an owner window. Texts are UTF-8.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MsgResult Show(MsgKind kind, const std::string& text, const std::string& caption) = 0;

    // True only when the user answered Yes to a question.
    bool Ask(const std::string& text, const std::string& caption) {
        return Show(MsgKind::Question, text, caption) == MsgResult::Yes;
    }
};

} // namespace fw
