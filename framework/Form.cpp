#include "framework/Form.h"

#include "framework/Application.h"
#include "framework/Exception.h"

namespace fw {

namespace {

std::unique_ptr<TControl> MakeControl(TForm& form, const ControlDesign& design) {
    switch (design.kind) {
    case ControlKind::Button:
        return std::make_unique<TButton>(form, design);
    case ControlKind::Edit:
        return std::make_unique<TEdit>(form, design);
    case ControlKind::GroupBox:
        return std::make_unique<TGroupBox>(form, design);
    case ControlKind::Panel:
        return std::make_unique<TPanel>(form, design);
    case ControlKind::Label:
        return std::make_unique<TLabel>(form, design);
    case ControlKind::CheckBox:
        return std::make_unique<TCheckBox>(form, design);
    case ControlKind::CheckListBox:
        return std::make_unique<TCheckListBox>(form, design);
    }
    throw Exception(std::string("Unknown control kind in the design of ") + design.name);
}

} // namespace

TForm::TForm(TApplication& app, const FormDesign& design)
    : app_(app), design_(design), name_(design.name), caption_(design.caption) {
    // Parents come before their children in every design table.
    for (const ControlDesign& control : design.controls)
        controls_.push_back(MakeControl(*this, control));
    app_.GetBackend().CreatePeers(*this);
}

TForm::~TForm() {
    app_.GetBackend().DestroyPeers(*this);
}

void TForm::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    if (peer_)
        peer_->UpdateCaption();
}

TControl* TForm::FindControl(const std::string& name) const {
    for (const auto& control : controls_)
        if (control->Name() == name)
            return control.get();
    return nullptr;
}

void TForm::ThrowMissing(const std::string& name) const {
    throw Exception("The form " + name_ + " has no control " + name);
}

void* TForm::Handle() const {
    return peer_ ? peer_->Handle() : nullptr;
}

void TForm::Show() {
    if (visible_)
        return;
    DoShow();
    visible_ = true;
    app_.GetBackend().ShowWindow(*this);
}

void TForm::Hide() {
    if (!visible_)
        return;
    visible_ = false;
    app_.GetBackend().HideWindow(*this);
}

int TForm::ShowModal() {
    if (visible_ || inModal_)
        throw Exception("Cannot make a visible window modal");
    modalResult_ = mrNone;
    inModal_ = true;
    try {
        DoShow();
        visible_ = true;
        app_.GetBackend().RunModal(app_, *this);
    } catch (...) {
        inModal_ = false;
        visible_ = false;
        throw;
    }
    inModal_ = false;
    visible_ = false;
    const int result = modalResult_;
    modalResult_ = mrNone;
    return result;
}

void TForm::DoShow() {
    if (OnShow)
        OnShow();
}

void TForm::UserClose() {
    if (inModal_) {
        modalResult_ = mrCancel;
        return;
    }
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    if (!canClose)
        return;
    Hide();
    if (app_.MainForm() == this)
        app_.Terminate();
}

} // namespace fw
