#pragma once
// The Win32 backend: real windows for the forms and their controls. Every window text goes through
// the wide (...W) calls; the UTF-8 texts of the framework become UTF-16 here and nowhere else.
// <windows.h> stays in the .cpp files: app/Main.cpp includes this header.
//
// What a program outside the process (the end-to-end robot) can rely on:
// - Each form is a top-level window of the window class "T" + the design's name ("TMainF",
//   "TForm2", "TForm3"), created hidden, its window text the form's caption. Forms created after
//   the main form are owned by the main form's window (no taskbar button of their own).
// - Every control is a direct child of its form's window, placed at its design position plus the
//   positions of its parent controls (a group box is only drawn around its contents), with the
//   control ID kFirstControlId + its index in the form's design table: GetDlgItem(form, 1000 + i).
// - Window classes and styles by kind:
//     TButton       "Button", BS_PUSHBUTTON (BS_DEFPUSHBUTTON while it has the focus), BS_NOTIFY
//     TEdit         "Edit", ES_AUTOHSCROLL, client edge, no length limit
//     TGroupBox     "Button", BS_GROUPBOX
//     TPanel        "Static", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN (lowered bevel)
//     TLabel        "Static", SS_LEFT (word wrap) or SS_LEFTNOWORDWRAP
//     TCheckBox     "Button", BS_AUTOCHECKBOX; BM_GETCHECK reads it, BM_CLICK clicks it
//     TCheckListBox "ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY: LB_GETTEXT reads an
//                   item, LB_GETITEMDATA its check mark (1 checked, 0 not), LB_GETCURSEL the
//                   highlighted item (LB_ERR: none). A left click (WM_LBUTTONDOWN) whose x lies
//                   less than kCheckAreaWidth pixels from the item's left edge (LB_GETITEMRECT)
//                   toggles the check mark; elsewhere on the item it only highlights it.
//   Only buttons, edit boxes, check boxes and check list boxes are tab stops (WS_TABSTOP as
//   designed); the z-order of the children is the tab order, by TabOrder within each parent,
//   recursively, so Tab and Shift+Tab (IsDialogMessageW) walk it as the class library does.
// - Message boxes are the system's (class "#32770") and have no owner window.
#include "framework/Backend.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

inline constexpr int kFirstControlId = 1000;
inline constexpr int kCheckAreaWidth = 15;

namespace win32 {
class FormWindow;
}

class Win32Backend : public Backend {
public:
    // Initialises the common controls (visual styles with the manifest) and COM for the shell's
    // folder picker, and registers nothing yet: each form's window class is registered on first use.
    Win32Backend();
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    MsgResult Show(MsgKind kind, const std::string& text, const std::string& caption) override;
    void CreatePeers(TForm& form) override;
    void DestroyPeers(TForm& form) override;
    void ShowWindow(TForm& form) override;
    void HideWindow(TForm& form) override;
    void RunModal(TApplication& app, TForm& form) override;
    void HandleMessage(TApplication& app) override;
    void ProcessMessages(TApplication& app) override;
    void PostQuit() override;

private:
    win32::FormWindow* WindowOf(const TForm& form) const;
    // Hands one message to its window, through IsDialogMessageW when it belongs to one of our forms.
    void Dispatch(const void* message);
    const wchar_t* ClassFor(const TForm& form);

    std::vector<std::unique_ptr<win32::FormWindow>> windows_;
    std::vector<std::wstring> classes_;
    bool comInitialized_ = false;
};

} // namespace fw
