#pragma once
// A form built from its design table. Controls are created in table order; a form class looks
// its controls up by name once, in its constructor, and assigns their events there.
//
// Event rules:
// - OnShow runs each time the form is about to appear (Show or ShowModal).
// - OnCloseQuery runs when the user asks to close a non-modal form (close box, system menu,
//   Alt+F4); setting its flag to false keeps the form open. Closing the main form ends the
//   program. A modal form closed by the user ends its show with ModalResult 2 (Cancel).
#include "framework/Controls.h"
#include "framework/Design.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class TApplication;
class FormPeer;

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TForm {
public:
    TForm(TApplication& app, const FormDesign& design);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    TApplication& Application() const { return app_; }
    const FormDesign& Design() const { return design_; }
    const std::string& Name() const { return name_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
    TControl* FindControl(const std::string& name) const;
    // The control of that name and kind; throws fw::Exception when the design has none.
    template <class T> T* Find(const std::string& name) const {
        T* control = dynamic_cast<T*>(FindControl(name));
        if (!control)
            ThrowMissing(name);
        return control;
    }

    std::function<void()> OnShow;
    std::function<void(bool& canClose)> OnCloseQuery;

    bool Visible() const { return visible_; }
    void Show();
    void Hide();
    // Shows the form modally and returns the modal result that ended the show.
    int ShowModal();
    bool InModal() const { return inModal_; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // The native window handle (HWND on Windows); nullptr without a native backend.
    void* Handle() const;

    // Entry points of the backend: the form is about to appear; the user asked to close it.
    void DoShow();
    void UserClose();

    FormPeer* Peer() const { return peer_; }
    void AttachPeer(FormPeer* peer) { peer_ = peer; }
    void SetVisibleState(bool visible) { visible_ = visible; }

private:
    [[noreturn]] void ThrowMissing(const std::string& name) const;
    TApplication& app_;
    const FormDesign& design_;
    std::string name_;
    std::string caption_;
    std::vector<std::unique_ptr<TControl>> controls_;
    bool visible_ = false;
    bool inModal_ = false;
    int modalResult_ = mrNone;
    FormPeer* peer_ = nullptr;
};

class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void UpdateCaption() = 0;
    virtual void* Handle() const = 0;
};

} // namespace fw
