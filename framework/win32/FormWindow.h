#pragma once
// The native peers of a form and of its controls. The framework objects hold the state; these
// hold the window handles and mirror the state into them, and turn the windows' notifications
// into the objects' User...() entry points.
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Form.h"
#include "framework/win32/Gdi.h"
#include "platform/win32/Windows.h"

#include <memory>
#include <string>
#include <vector>

namespace fw::win32 {

class FormWindow;

// One control's window, a direct child of its form's window.
class ControlWindow : public ControlPeer {
public:
    ControlWindow(FormWindow& form, TControl& control, int id);
    ~ControlWindow() override;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    void Update(Change what) override;

    HWND Hwnd() const { return hwnd_; }
    TControl& Control() const { return control_; }
    bool Focusable() const;
    // The window's text, as the user left it (UTF-8).
    std::string ReadText() const;
    // True while SetWindowTextW runs for a text set from code: its EN_CHANGE is not the user's.
    bool MirroringText() const { return mirroringText_; }
    // The window follows the object again (after the object refused or changed the user's input).
    void SyncChecked();
    void SyncItemIndex();
    // Check list box: draws one item (WM_DRAWITEM of the form).
    void DrawItem(const DRAWITEMSTRUCT& item) const;
    void WindowGone() { hwnd_ = nullptr; }

private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    LRESULT ListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void FillItems();
    void RedrawInParent();

    FormWindow& form_;
    TControl& control_;
    HWND hwnd_ = nullptr;
    bool mirroringText_ = false;
};

// A form's top-level window. Bound to its FormWindow once, at WM_NCCREATE.
class FormWindow : public FormPeer {
public:
    FormWindow(TForm& form, const wchar_t* className, HWND owner);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void UpdateCaption() override;
    void* Handle() const override { return hwnd_; }
    HWND Hwnd() const { return hwnd_; }
    TForm& Form() const { return form_; }

    HFONT FontFor(const ControlDesign& design);
    // Every control's window enabled exactly when the control is enabled up to the form; a
    // focused control that becomes disabled leaves the focus with the form until it comes back.
    void SyncEnabled();
    // Remembers the focused control, to give the focus back when the form is activated again.
    void RememberFocus();
    // Runs a window-procedure body; an exception stops here and goes to the application's box.
    template <class Body> LRESULT Guarded(Body body, LRESULT onError = 0);

private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(ControlWindow& control, int code);
    void OnActivate(bool active);
    LRESULT OnCtlColor(HDC dc, HWND child);
    ControlWindow* PeerOf(HWND child) const;
    ControlWindow* PeerById(int id) const;
    void ArrangeTabOrder();
    HWND FirstTabStop() const;

    TForm& form_;
    HWND hwnd_ = nullptr;
    Font font_;
    std::vector<std::pair<const FontDesign*, Font>> ownFonts_;
    Brush ownBrush_;
    HBRUSH brush_ = nullptr;
    std::vector<std::unique_ptr<ControlWindow>> controls_; // by design index
    std::vector<HWND> tabSequence_;
    HWND savedFocus_ = nullptr;  // the control to focus when the form is activated
    HWND parkedFocus_ = nullptr; // the control that had the focus when it was disabled
    bool quiet_ = true;          // while the windows are built or torn down: no notifications
};

template <class Body> LRESULT FormWindow::Guarded(Body body, LRESULT onError) {
    try {
        return body();
    } catch (...) {
        try {
            form_.Application().HandleException(std::current_exception());
        } catch (...) {
            // Nothing crosses a window procedure, not even a failing error box.
        }
        return onError;
    }
}

} // namespace fw::win32
