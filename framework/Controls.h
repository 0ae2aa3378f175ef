#pragma once
// Controls as plain objects: the object holds the state, a backend peer (if any) mirrors it.
//
// Event rules:
// - Events are std::function members, assigned once by the form that owns the control.
// - Setting state from code raises the same event the class library raises for it: TEdit's
//   OnChange when SetText changes the text, TCheckBox's OnClick when SetChecked changes the state.
//   Setting the state a control already has raises nothing. TCheckListBox's item checks and
//   item index set from code raise nothing.
// - User input reaches a control through its User...() entry points, called by the Win32
//   backend's window procedure and by headless tests alike, so both run the same code.
// - Events may re-enter (a handler may set state that raises another event); guards against
//   that belong to the form, as with the class library.
#include "framework/Design.h"

#include <functional>
#include <string>
#include <vector>

namespace fw {

class TForm;
class ControlPeer;

enum class Change { Text, Enabled, Checked, Items, ItemIndex };

class TControl {
public:
    TControl(TForm& form, const ControlDesign& design);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& Name() const { return name_; }
    ControlKind Kind() const { return kind_; }
    TForm& Form() const { return form_; }
    TControl* Parent() const { return parent_; }
    const ControlDesign& Design() const { return design_; }

    // The caption of a button, box, panel, label or check box; the text of an edit box. UTF-8.
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& text);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Enabled here and in every parent up to the form: what the user can reach.
    bool EffectivelyEnabled() const;

    ControlPeer* Peer() const { return peer_; }
    void AttachPeer(ControlPeer* peer) { peer_ = peer; }

protected:
    void Mirror(Change what);
    std::string text_;

private:
    TForm& form_;
    const ControlDesign& design_;
    std::string name_;
    ControlKind kind_;
    TControl* parent_ = nullptr;
    bool enabled_ = true;
    ControlPeer* peer_ = nullptr;
};

class TButton : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnClick;
    // A click by the user (mouse, Space or Enter on the focused button): raises OnClick if enabled.
    void UserClick();
};

class TEdit : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnChange;
    void SetText(const std::string& text) override;
    // The text as the user left it after typing or pasting.
    void UserSetText(const std::string& text);
};

class TGroupBox : public TControl {
public:
    using TControl::TControl;
};

class TPanel : public TControl {
public:
    using TControl::TControl;
};

class TLabel : public TControl {
public:
    using TControl::TControl;
};

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    std::function<void()> OnClick;
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    // A click by the user (mouse or Space): toggles the state and raises OnClick.
    void UserClick();

private:
    bool checked_ = false;
};

class TCheckListBox : public TControl {
public:
    TCheckListBox(TForm& form, const ControlDesign& design);
    // Raised when the user changes the highlighted item, by mouse or keyboard.
    std::function<void()> OnClick;
    // Raised when the user toggles an item's check mark.
    std::function<void()> OnClickCheck;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_.at(index).text; }
    void SetItem(int index, const std::string& text);
    bool ItemChecked(int index) const { return items_.at(index).checked; }
    void SetItemChecked(int index, bool checked);
    // -1: no item highlighted.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    // A mouse click on an item: highlights it (raising OnClick), then toggles its mark when the
    // click hit the check box, as the class library does.
    void UserClickItem(int index, bool onCheckBox);
    // Arrow keys: moves the highlight by `delta` within the list (raising OnClick if it moved).
    void UserMoveHighlight(int delta);
    // Space: toggles the mark of the highlighted item.
    void UserToggleHighlighted();
    // The native list moved the highlight by itself (Home, End, Page Up/Down, a typed letter):
    // the object follows, raising OnClick if it moved.
    void UserHighlight(int index);

private:
    struct Entry {
        std::string text;
        bool checked = false;
    };
    void UserSelect(int index);
    void UserToggle(int index);
    std::vector<Entry> items_;
    int itemIndex_ = -1;
};

// Mirrors a control's state into its native counterpart (the Win32 backend); tests have none.
class ControlPeer {
public:
    virtual ~ControlPeer() = default;
    virtual void Update(Change what) = 0;
};

} // namespace fw
