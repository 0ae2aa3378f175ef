#pragma once
// Form designs as data: one table per form, read by TForm when it is built, in the way the class
// library's form files describe a form. Positions and sizes are pixels relative to the parent;
// tab order counts within the parent.
#include <span>
#include <string>
#include <vector>

namespace fw {

enum class ControlKind { Button, Edit, GroupBox, Panel, Label, CheckBox, CheckListBox };
enum class BorderStyle {
    Single, // fixed size, system menu only (no minimise or maximise box)
    Dialog  // fixed dialog frame with a close box
};

inline constexpr int kShiftJisCharset = 128;
inline constexpr int kDefaultCharset = 1;

// Colours as 0x00BBGGRR, or one of the system colours below.
inline constexpr unsigned kClBlack = 0x000000;
inline constexpr unsigned kClBtnFace = 0x80000000u | 15;   // COLOR_BTNFACE
inline constexpr unsigned kClBtnText = 0x80000000u | 18;   // COLOR_BTNTEXT
inline constexpr unsigned kClWindowText = 0x80000000u | 8; // COLOR_WINDOWTEXT

struct FontDesign {
    const char* face = ""; // UTF-8
    int height = 0;        // negative: character height in pixels
    int charset = kDefaultCharset;
    unsigned color = kClWindowText;
};

struct ControlDesign {
    ControlKind kind;
    const char* name;
    const char* parent; // nullptr: the form itself
    int left, top, width, height;
    int tabOrder;        // -1: the control takes no part in tab order
    const char* caption; // UTF-8; the design's (Japanese) text
    bool enabled = true;
    bool tabStop = true;
    const FontDesign* font = nullptr;    // nullptr: the form's font
    bool bevelLowered = false;           // panel
    bool wordWrap = false;               // label
    int itemHeight = 0;                  // check list box
    std::vector<const char*> items = {}; // check list box
};

struct FormDesign {
    const char* name;
    const char* caption;
    BorderStyle border;
    int clientWidth, clientHeight;
    unsigned color;
    FontDesign font;
    std::vector<ControlDesign> controls;
};

} // namespace fw
