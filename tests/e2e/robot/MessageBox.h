#pragma once
// Message boxes of another process: a #32770 dialog whose text is the static #65535.
#include "robot/Window.h"

#include <ostream>
#include <string>
#include <vector>

namespace robot {

enum class Icon { None, Error, Warning, Question, Information };
// The four kinds of box the programs show: icon plus buttons.
enum class BoxKind { Error, Warning, Question, Information, Other };

const char* ToString(Icon icon);
const char* ToString(BoxKind kind);
// For GoogleTest's messages: EXPECT_EQ(box.Kind(), BoxKind::Error) names the kinds.
inline void PrintTo(Icon icon, std::ostream* out) {
    *out << ToString(icon);
}
inline void PrintTo(BoxKind kind, std::ostream* out) {
    *out << ToString(kind);
}

class MsgBox {
public:
    explicit MsgBox(Window window) : window_(window) {}

    const Window& AsWindow() const { return window_; }
    bool Exists() const { return window_.Exists(); }
    std::string Caption() const { return window_.Text(); }
    std::string Text() const;
    // The IDs of the box's buttons in the order they appear (IDOK 1, IDYES 6, IDNO 7, ...).
    std::vector<int> Buttons() const;
    // Which standard icon the box shows, told by comparing a screen grab of its icon with each
    // IDI_* icon drawn here. Polls until the grab matches one (the box may not be painted yet);
    // Icon::None only for a box without an icon control.
    Icon ShownIcon(Duration timeout = kTimeout) const;
    // Error, Warning, Information: that icon and an OK button only; Question: its icon, Yes and No.
    BoxKind Kind() const;
    // Presses the button with that ID (IDOK, IDYES, IDNO); the box goes away.
    void Answer(int buttonId) const;
    // "Caption: text [buttons]", for failure messages.
    std::string Describe() const;

private:
    Window window_;
};

// The message boxes that process `pid` shows now.
std::vector<MsgBox> MessageBoxes(DWORD pid);
// Waits until `pid` shows a message box and returns the first one.
MsgBox WaitForMessageBox(DWORD pid, Duration timeout = kTimeout);
// Waits until `pid` shows no message box.
void WaitForNoMessageBox(DWORD pid, Duration timeout = kTimeout);

} // namespace robot
