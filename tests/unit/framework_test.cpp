#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/headless/HeadlessBackend.h"
#include "ui/Selectfolder.h"

#include <gtest/gtest.h>

namespace {

const fw::FormDesign kDesign{
    "Sample",
    "Sample",
    fw::BorderStyle::Dialog,
    200,
    100,
    fw::kClBtnFace,
    {"Arial", -12},
    {
        {fw::ControlKind::GroupBox, "Group", nullptr, 0, 0, 100, 100, 0, "g"},
        {fw::ControlKind::Edit, "Edit", "Group", 0, 0, 10, 10, 0, "start"},
        {fw::ControlKind::Button, "Button", "Group", 0, 0, 10, 10, 1, "b"},
        {fw::ControlKind::CheckBox, "Check", nullptr, 0, 0, 10, 10, 1, "c"},
        {fw::ControlKind::CheckListBox,
         "List",
         nullptr,
         0,
         0,
         10,
         10,
         2,
         "",
         true,
         true,
         nullptr,
         false,
         false,
         12,
         {"one", "two", "three"}},
    },
};

struct Sample : fw::TForm {
    explicit Sample(fw::TApplication& app) : fw::TForm(app, kDesign) {}
};

class FrameworkTest : public ::testing::Test {
protected:
    fw::HeadlessBackend backend;
    fw::TApplication app{backend};
    Sample* form = nullptr;
    void SetUp() override { app.CreateForm(form); }
};

TEST_F(FrameworkTest, EditRaisesOnChangeOnlyForARealChange) {
    auto* edit = form->Find<fw::TEdit>("Edit");
    int changes = 0;
    edit->OnChange = [&] { ++changes; };
    edit->SetText("start");
    edit->UserSetText("start");
    EXPECT_EQ(changes, 0);
    edit->SetText("x");
    edit->UserSetText("xy");
    edit->SetText("");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(edit->Text(), "");
}

TEST_F(FrameworkTest, CheckBoxRaisesOnClickWhenItsStateChangesFromCodeOrUser) {
    auto* check = form->Find<fw::TCheckBox>("Check");
    std::vector<bool> seen;
    check->OnClick = [&] { seen.push_back(check->Checked()); };
    check->SetChecked(false);
    check->SetChecked(true);
    check->SetChecked(true);
    check->UserClick();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(FrameworkTest, DisabledParentStopsClicks) {
    auto* button = form->Find<fw::TButton>("Button");
    int clicks = 0;
    button->OnClick = [&] { ++clicks; };
    button->UserClick();
    form->Find<fw::TGroupBox>("Group")->SetEnabled(false);
    button->UserClick();
    button->SetEnabled(false);
    form->Find<fw::TGroupBox>("Group")->SetEnabled(true);
    button->UserClick();
    EXPECT_EQ(clicks, 1);
}

TEST_F(FrameworkTest, CheckListBoxHighlightsBeforeItTogglesAndCodeRaisesNothing) {
    auto* list = form->Find<fw::TCheckListBox>("List");
    std::vector<std::string> events;
    list->OnClick = [&] {
        events.push_back("click " + std::to_string(list->ItemIndex()) + " " +
                         (list->ItemChecked(list->ItemIndex()) ? "on" : "off"));
    };
    list->OnClickCheck = [&] { events.push_back("check"); };
    list->SetItemChecked(0, true);
    list->SetItemIndex(2);
    list->SetItemIndex(-1);
    EXPECT_TRUE(events.empty());
    list->UserClickItem(1, true);  // highlight (event sees the old mark), then toggle
    list->UserClickItem(1, false); // same item: nothing changes
    list->UserMoveHighlight(+1);
    list->UserMoveHighlight(+1); // already last
    list->UserToggleHighlighted();
    list->UserMoveHighlight(-5);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1 off", "check", "click 2 off", "check", "click 0 on"}));
    EXPECT_TRUE(list->ItemChecked(1));
    EXPECT_TRUE(list->ItemChecked(2));
    EXPECT_EQ(list->Item(2), "three");
}

TEST_F(FrameworkTest, CheckListBoxFollowsTheNativeHighlightOnlyWhenItMovesAndIsEnabled) {
    auto* list = form->Find<fw::TCheckListBox>("List");
    int clicks = 0;
    list->OnClick = [&] { ++clicks; };
    list->UserHighlight(2); // Home, End, a typed letter: the native list moved by itself
    list->UserHighlight(2);
    list->UserHighlight(7); // no such item
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    list->SetEnabled(false);
    list->UserHighlight(0);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FrameworkTest, ModalShowEndsWithTheResultAndStartsFreshEachTime) {
    int shows = 0;
    form->OnShow = [&] { ++shows; };
    backend.OnNextModal([](fw::TForm& f) { f.SetModalResult(fw::mrOk); });
    backend.OnNextModal([](fw::TForm& f) { f.UserClose(); });
    EXPECT_EQ(form->ShowModal(), fw::mrOk);
    EXPECT_EQ(form->ModalResult(), fw::mrNone);
    EXPECT_EQ(form->ShowModal(), fw::mrCancel);
    EXPECT_EQ(shows, 2);
    EXPECT_FALSE(form->Visible());
}

TEST_F(FrameworkTest, RunHandlesMessagesUntilTheQuitMessageIsTaken) {
    int handled = 0;
    backend.Post([&] { ++handled; });
    backend.Post([&] {
        ++handled;
        app.Terminate();
    });
    backend.Post([&] { ++handled; });
    app.Run();
    EXPECT_EQ(handled, 2);
    EXPECT_TRUE(app.Terminated());
}

TEST_F(FrameworkTest, ExceptionBoxAddsThePeriodAndUsesTheTitle) {
    app.SetTitle("Title");
    app.ShowException(fw::Exception("No period"));
    app.ShowException(fw::Exception("Has one."));
    ASSERT_EQ(backend.Boxes().size(), 2u);
    EXPECT_EQ(backend.Boxes()[0].text, "No period.");
    EXPECT_EQ(backend.Boxes()[0].caption, "Title");
    EXPECT_EQ(backend.Boxes()[0].kind, fw::MsgKind::Error);
    EXPECT_EQ(backend.Boxes()[1].text, "Has one.");
}

TEST_F(FrameworkTest, MissingControlIsAnError) {
    EXPECT_THROW(form->Find<fw::TButton>("Edit"), fw::Exception);
}

TEST(PathTrimming, CopyTrimPathKeepsShortPathsTrimPathTrimsAll) {
    const struct {
        std::string in, copyTrimmed, trimmed;
    } cases[] = {
        {"", "", ""},
        {"C:\\", "C:\\", "C:"},
        {"\\\\\\", "\\\\\\", ""},
        {"\\\\\\\\", "", ""},
        {"D:\\Games\\", "D:\\Games", "D:\\Games"},
        {"C:\\FS9\\\\", "C:\\FS9", "C:\\FS9"},
        {"C:\\FS9", "C:\\FS9", "C:\\FS9"},
        {"C:\\FS9\\ ", "C:\\FS9\\ ", "C:\\FS9\\ "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(CopyTrimPath(c.in), c.copyTrimmed);
        std::string s = c.in;
        TrimPath(s);
        EXPECT_EQ(s, c.trimmed);
    }
}

// Shift_JIS: 表 is 0x95 0x5C and ソ is 0x83 0x5C; their second byte is not a backslash.
TEST(PathTrimming, SecondByteOfADoubleByteCharacterStays) {
    const auto shiftJisLead = [](unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    const struct {
        std::string in;
        std::size_t kept;
    } cases[] = {
        {"D:\\\x95\\", 5},       // D:\表
        {"D:\\\x95\\\\\\", 5},   // D:\表 with two backslashes after it
        {"D:\\\x83\\\x83\\", 7}, // D:\ソソ
        {"D:\\A\\", 4},          // an ASCII letter is one byte
        {"\x95", 1},             // a lead byte without its second byte counts alone
        {"\x95\\\\", 2},         // 表 then a real backslash
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(LengthWithoutTrailingBackslashes(c.in, shiftJisLead), c.kept);
    }
}

} // namespace
