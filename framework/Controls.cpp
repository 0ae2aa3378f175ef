#include "framework/Controls.h"

#include "framework/Form.h"

namespace fw {

TControl::TControl(TForm& form, const ControlDesign& design)
    : text_(design.caption ? design.caption : ""), form_(form), design_(design), name_(design.name), kind_(design.kind),
      enabled_(design.enabled) {
    if (design.parent)
        parent_ = form.FindControl(design.parent);
}

TControl::~TControl() = default;

void TControl::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    Mirror(Change::Text);
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Mirror(Change::Enabled);
}

bool TControl::EffectivelyEnabled() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->enabled_)
            return false;
    return true;
}

void TControl::Mirror(Change what) {
    if (peer_)
        peer_->Update(what);
}

void TButton::UserClick() {
    if (EffectivelyEnabled() && OnClick)
        OnClick();
}

void TEdit::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    Mirror(Change::Text);
    if (OnChange)
        OnChange();
}

void TEdit::UserSetText(const std::string& text) {
    // The native control already shows the text; only the object and the event follow.
    if (text == text_)
        return;
    text_ = text;
    if (OnChange)
        OnChange();
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    Mirror(Change::Checked);
    if (OnClick)
        OnClick();
}

void TCheckBox::UserClick() {
    if (EffectivelyEnabled())
        SetChecked(!checked_);
}

TCheckListBox::TCheckListBox(TForm& form, const ControlDesign& design) : TControl(form, design) {
    for (const char* item : design.items)
        items_.push_back({item, false});
}

void TCheckListBox::SetItem(int index, const std::string& text) {
    items_.at(index).text = text;
    Mirror(Change::Items);
}

void TCheckListBox::SetItemChecked(int index, bool checked) {
    Entry& entry = items_.at(index);
    if (entry.checked == checked)
        return;
    entry.checked = checked;
    Mirror(Change::Checked);
}

void TCheckListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count())
        index = -1;
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    Mirror(Change::ItemIndex);
}

void TCheckListBox::UserSelect(int index) {
    if (index < 0 || index >= Count() || index == itemIndex_)
        return;
    SetItemIndex(index);
    if (OnClick)
        OnClick();
}

void TCheckListBox::UserToggle(int index) {
    if (index < 0 || index >= Count())
        return;
    Entry& entry = items_.at(index);
    entry.checked = !entry.checked;
    Mirror(Change::Checked);
    if (OnClickCheck)
        OnClickCheck();
}

void TCheckListBox::UserClickItem(int index, bool onCheckBox) {
    if (!EffectivelyEnabled())
        return;
    UserSelect(index);
    if (onCheckBox)
        UserToggle(index);
}

void TCheckListBox::UserMoveHighlight(int delta) {
    if (!EffectivelyEnabled() || Count() == 0)
        return;
    int target = itemIndex_ < 0 ? 0 : itemIndex_ + delta;
    if (target < 0)
        target = 0;
    if (target >= Count())
        target = Count() - 1;
    UserSelect(target);
}

void TCheckListBox::UserHighlight(int index) {
    if (EffectivelyEnabled())
        UserSelect(index);
}

void TCheckListBox::UserToggleHighlighted() {
    if (EffectivelyEnabled())
        UserToggle(itemIndex_);
}

} // namespace fw
