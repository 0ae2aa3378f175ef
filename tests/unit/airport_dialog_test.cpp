#include "env/Language.h"
#include "facility/Unit2.h"
#include "framework/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

namespace {

const std::array<const char*, kAirportCount> kJapaneseItems = {"青森空港　　(RJSA)", "秋田空港　　(RJSK)",
                                                               "新潟空港　　(RJSN)", "松本空港　　(RJAF)",
                                                               "高松空港　　(RJOT)", "久米島空港 (ROKJ)"};
const std::array<const char*, kAirportCount> kEnglishItems = {
    "RJSA - Aomori", "RJSK - Akita", "RJSN - Niigata", "RJAF - Matsumoto", "RJOT - Takamatsu", "ROKJ - Kumejima"};

// The dialog in one language, shown modally with a script that plays the user.
class AirportDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        AFD_DATA = {};
        Flag_Syncing = false;
        Flag_Japanese = false;
    }
    TForm2& Dialog(bool japanese = false) {
        if (!form) {
            Flag_Japanese = japanese;
            form = std::make_unique<TForm2>(app);
        }
        return *form;
    }
    // Shows the dialog the way the facility procedure does; `user` runs while it is on screen.
    int Show(const std::string& verb, std::function<void(TForm2&)> user) {
        AFD_DATA.Verb = verb;
        AFD_DATA.Select.fill(false);
        backend.OnNextModal([user = std::move(user)](fw::TForm& shown) { user(static_cast<TForm2&>(shown)); });
        return Dialog().ShowModal();
    }
    static std::array<bool, kAirportCount> Marks(const TForm2& d) {
        std::array<bool, kAirportCount> marks{};
        for (std::size_t i = 0; i < kAirportCount; ++i)
            marks[i] = d.Check_Airport->ItemChecked(static_cast<int>(i));
        return marks;
    }
    static void ClickAllItems(TForm2& d) {
        for (int i = 0; i < static_cast<int>(kAirportCount); ++i)
            d.Check_Airport->UserClickItem(i, true);
    }
    static constexpr std::array<bool, kAirportCount> kNone{};
    static constexpr std::array<bool, kAirportCount> kAll{true, true, true, true, true, true};

    fw::HeadlessBackend backend;
    fw::TApplication app{backend};
    std::unique_ptr<TForm2> form;
};

TEST_F(AirportDialogTest, DesignTable) {
    const fw::FormDesign& design = Form2Design();
    EXPECT_STREQ(design.name, "Form2");
    EXPECT_STREQ(design.caption, "空港の選択");
    EXPECT_EQ(design.border, fw::BorderStyle::Dialog);
    EXPECT_EQ(design.clientWidth, 313);
    EXPECT_EQ(design.clientHeight, 214);
    EXPECT_EQ(design.color, fw::kClBtnFace);
    EXPECT_STREQ(design.font.face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(design.font.height, -12);
    EXPECT_EQ(design.font.charset, fw::kShiftJisCharset);

    struct Expected {
        fw::ControlKind kind;
        const char* name;
        int left, top, width, height, tabOrder;
        const char* caption;
    };
    const Expected expected[] = {
        {fw::ControlKind::CheckListBox, "Check_Airport", 16, 16, 185, 137, 3, ""},
        {fw::ControlKind::Button, "Button_OK", 216, 16, 81, 33, 0, "OK"},
        {fw::ControlKind::Button, "Button_Cancel", 216, 64, 81, 33, 1, "キャンセル"},
        {fw::ControlKind::CheckBox, "Check_All", 216, 120, 81, 17, 2, " 全て選択"},
        {fw::ControlKind::Label, "Label_Msg", 16, 168, 281, 33, -1, "Message"},
    };
    ASSERT_EQ(design.controls.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const fw::ControlDesign& c = design.controls[i];
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(c.kind, expected[i].kind);
        EXPECT_STREQ(c.name, expected[i].name);
        EXPECT_EQ(c.parent, nullptr);
        EXPECT_EQ(c.left, expected[i].left);
        EXPECT_EQ(c.top, expected[i].top);
        EXPECT_EQ(c.width, expected[i].width);
        EXPECT_EQ(c.height, expected[i].height);
        EXPECT_EQ(c.tabOrder, expected[i].tabOrder);
        EXPECT_STREQ(c.caption, expected[i].caption);
        EXPECT_TRUE(c.enabled);
    }
    EXPECT_EQ(design.controls[0].itemHeight, 12);
    ASSERT_EQ(design.controls[0].items.size(), kAirportCount);
    for (std::size_t i = 0; i < kAirportCount; ++i)
        EXPECT_STREQ(design.controls[0].items[i], kJapaneseItems[i]) << i;
    EXPECT_TRUE(design.controls[4].wordWrap);
    EXPECT_FALSE(design.controls[4].tabStop);
}

// The ideographic spaces are U+3000 (Shift_JIS 0x81 0x40), not two ordinary blanks.
TEST_F(AirportDialogTest, JapaneseItemsHoldIdeographicSpaces) {
    const std::string ideographic = "\xE3\x80\x80";
    for (int i = 0; i < 5; ++i)
        EXPECT_NE(Dialog(true).Check_Airport->Item(i).find(ideographic + ideographic + "(RJ"), std::string::npos) << i;
    EXPECT_EQ(Dialog(true).Check_Airport->Item(5).find(ideographic), std::string::npos);
    EXPECT_NE(Dialog(true).Check_Airport->Item(5).find("港 (ROKJ)"), std::string::npos);
}

TEST_F(AirportDialogTest, JapaneseTextsAreTheDesignsOwn) {
    TForm2& d = Dialog(true);
    EXPECT_EQ(d.Caption(), "空港の選択");
    EXPECT_EQ(d.Button_OK->Text(), "OK");
    EXPECT_EQ(d.Button_Cancel->Text(), "キャンセル");
    EXPECT_EQ(d.Check_All->Text(), " 全て選択");
    EXPECT_EQ(d.Label_Msg->Text(), "Message");
    ASSERT_EQ(d.Check_Airport->Count(), static_cast<int>(kAirportCount));
    for (int i = 0; i < d.Check_Airport->Count(); ++i)
        EXPECT_EQ(d.Check_Airport->Item(i), kJapaneseItems[i]) << i;
}

TEST_F(AirportDialogTest, EnglishTextsReplaceTheDesignsInIndexOrder) {
    TForm2& d = Dialog(false);
    EXPECT_EQ(d.Caption(), "Select the airport");
    EXPECT_EQ(d.Button_OK->Text(), "OK");
    EXPECT_EQ(d.Button_Cancel->Text(), "Cancel");
    EXPECT_EQ(d.Check_All->Text(), " All Check");
    ASSERT_EQ(d.Check_Airport->Count(), static_cast<int>(kAirportCount));
    for (int i = 0; i < d.Check_Airport->Count(); ++i)
        EXPECT_EQ(d.Check_Airport->Item(i), kEnglishItems[i]) << i;
}

TEST_F(AirportDialogTest, MessageCarriesTheVerbInTheInterfaceLanguage) {
    struct Case {
        bool japanese;
        const char* verb;
        const char* message;
    };
    const Case cases[] = {
        {true, "登録", "ファシリティ・データを登録する空港を選択して下さい。"},
        {true, "復元", "ファシリティ・データを復元する空港を選択して下さい。"},
        {false, "registers", "Please choose the airport which registers AFCAD file."},
        {false, "restores", "Please choose the airport which restores AFCAD file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form.reset();
        Dialog(c.japanese);
        std::string shown;
        EXPECT_EQ(Show(c.verb,
                       [&](TForm2& d) {
                           shown = d.Label_Msg->Text();
                           d.Button_Cancel->UserClick();
                       }),
                  fw::mrCancel);
        EXPECT_EQ(shown, c.message);
    }
}

TEST_F(AirportDialogTest, EveryShowStartsClearedWhateverTheLastOneLeft) {
    // First show: everything checked, the last item highlighted, then Cancel.
    EXPECT_EQ(Show("registers",
                   [](TForm2& d) {
                       d.Check_All->UserClick();
                       d.Check_Airport->UserClickItem(5, false);
                       ASSERT_TRUE(d.Check_All->Checked());
                       ASSERT_EQ(Marks(d), kAll);
                       d.Button_Cancel->UserClick();
                   }),
              fw::mrCancel);
    EXPECT_EQ(AFD_DATA.Select, kNone);

    bool checked = true;
    int highlighted = 0;
    std::array<bool, kAirportCount> marks = kAll;
    EXPECT_EQ(Show("restores",
                   [&](TForm2& d) {
                       checked = d.Check_All->Checked();
                       highlighted = d.Check_Airport->ItemIndex();
                       marks = Marks(d);
                       d.Button_Cancel->UserClick();
                   }),
              fw::mrCancel);
    EXPECT_FALSE(checked);
    EXPECT_EQ(highlighted, -1);
    EXPECT_EQ(marks, kNone);
}

// With Check_All already unchecked no click event comes; the show still clears marks left by
// individual clicks.
TEST_F(AirportDialogTest, ShowClearsItemMarksEvenWhenCheckAllWasUnchecked) {
    Show("registers", [](TForm2& d) {
        d.Check_Airport->UserClickItem(1, true);
        d.Check_Airport->UserClickItem(3, true);
        ASSERT_FALSE(d.Check_All->Checked());
        d.Button_Cancel->UserClick();
    });
    std::array<bool, kAirportCount> marks = kAll;
    Show("registers", [&](TForm2& d) {
        marks = Marks(d);
        d.Button_Cancel->UserClick();
    });
    EXPECT_EQ(marks, kNone);
}

TEST_F(AirportDialogTest, CheckAllChecksAndUnchecksEveryItem) {
    Show("registers", [](TForm2& d) {
        d.Check_Airport->UserClickItem(2, true);
        d.Check_All->UserClick();
        EXPECT_TRUE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), kAll);
        d.Check_All->UserClick();
        EXPECT_FALSE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), kNone);
        d.Button_Cancel->UserClick();
    });
}

// The list's click event comes with a change of highlight, before a click's toggle: the state of
// Check_All follows the marks as they were when the highlight last moved.
TEST_F(AirportDialogTest, HighlightChangeBringsCheckAllInStep) {
    Show("registers", [](TForm2& d) {
        ClickAllItems(d);
        // The sixth click highlighted item 5 while it was still unchecked.
        EXPECT_EQ(Marks(d), kAll);
        EXPECT_FALSE(d.Check_All->Checked());

        d.Check_Airport->UserClickItem(0, false);
        EXPECT_TRUE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), kAll);

        // Unchecking item 2 highlights it first (all six still checked), then toggles it.
        d.Check_Airport->UserClickItem(2, true);
        EXPECT_TRUE(d.Check_All->Checked());
        EXPECT_FALSE(d.Check_Airport->ItemChecked(2));

        // The next highlight change unchecks Check_All; the guard keeps the other five marks.
        d.Check_Airport->UserClickItem(4, false);
        EXPECT_FALSE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), (std::array<bool, kAirportCount>{true, true, false, true, true, true}));
        EXPECT_FALSE(Flag_Syncing);
        d.Button_Cancel->UserClick();
    });
}

TEST_F(AirportDialogTest, ClickOnTheHighlightedItemRaisesNoSync) {
    Show("registers", [](TForm2& d) {
        ClickAllItems(d);
        ASSERT_FALSE(d.Check_All->Checked());
        // Item 5 is highlighted already: toggling it twice moves no highlight.
        d.Check_Airport->UserClickItem(5, true);
        d.Check_Airport->UserClickItem(5, true);
        EXPECT_FALSE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), kAll);
        d.Button_Cancel->UserClick();
    });
}

TEST_F(AirportDialogTest, KeyboardMovesTheHighlightAndSpaceToggles) {
    Show("restores", [](TForm2& d) {
        d.Check_Airport->UserMoveHighlight(1); // nothing highlighted: the first item
        EXPECT_EQ(d.Check_Airport->ItemIndex(), 0);
        for (int i = 0; i < static_cast<int>(kAirportCount); ++i) {
            d.Check_Airport->UserToggleHighlighted();
            d.Check_Airport->UserMoveHighlight(1);
        }
        EXPECT_EQ(d.Check_Airport->ItemIndex(), 5);
        EXPECT_EQ(Marks(d), kAll);
        // The last move found five marks; moving up finds six.
        EXPECT_FALSE(d.Check_All->Checked());
        d.Check_Airport->UserMoveHighlight(-1);
        EXPECT_TRUE(d.Check_All->Checked());
        d.Check_Airport->UserToggleHighlighted();
        d.Check_Airport->UserMoveHighlight(-1);
        EXPECT_FALSE(d.Check_All->Checked());
        EXPECT_EQ(Marks(d), (std::array<bool, kAirportCount>{true, true, true, true, false, true}));
        d.Button_OK->UserClick();
    });
    EXPECT_EQ(AFD_DATA.Select, (std::array<bool, kAirportCount>{true, true, true, true, false, true}));
}

TEST_F(AirportDialogTest, CheckAllDoesNothingWhileSyncing) {
    TForm2& d = Dialog();
    d.Check_Airport->SetItemChecked(1, true);
    Flag_Syncing = true;
    d.Check_All->SetChecked(true); // raises Check_AllClick, which must leave the items alone
    EXPECT_EQ(Marks(d), (std::array<bool, kAirportCount>{false, true, false, false, false, false}));
    Flag_Syncing = false;
    d.Check_AllClick();
    EXPECT_EQ(Marks(d), kAll);
}

TEST_F(AirportDialogTest, OkStoresTheMarks) {
    EXPECT_EQ(Show("registers",
                   [](TForm2& d) {
                       d.Check_Airport->UserClickItem(3, true);
                       d.Check_Airport->UserClickItem(0, true);
                       d.Button_OK->UserClick();
                   }),
              fw::mrOk);
    EXPECT_EQ(AFD_DATA.Select, (std::array<bool, kAirportCount>{true, false, false, true, false, false}));
}

TEST_F(AirportDialogTest, OkWithNothingCheckedReturnsOkAndNoFlags) {
    EXPECT_EQ(Show("registers", [](TForm2& d) { d.Button_OK->UserClick(); }), fw::mrOk);
    EXPECT_EQ(AFD_DATA.Select, kNone);
}

TEST_F(AirportDialogTest, CancelAndTheCloseBoxLeaveTheFlagsAsTheCallerSetThem) {
    EXPECT_EQ(Show("registers",
                   [](TForm2& d) {
                       d.Check_All->UserClick();
                       d.Button_Cancel->UserClick();
                   }),
              fw::mrCancel);
    EXPECT_EQ(AFD_DATA.Select, kNone);
    EXPECT_EQ(Show("registers",
                   [](TForm2& d) {
                       d.Check_All->UserClick();
                       d.UserClose();
                   }),
              fw::mrCancel);
    EXPECT_EQ(AFD_DATA.Select, kNone);
}

TEST_F(AirportDialogTest, DialogLeavesTheVerbAndThePathsAlone) {
    AFD_DATA.BglFile = "C:\\FS\\a.bgl";
    AFD_DATA.OrgFile = "C:\\FS\\a.org";
    AFD_DATA.BakFile = "C:\\FS\\a.bak";
    Show("registers", [](TForm2& d) {
        d.Check_All->UserClick();
        d.Button_OK->UserClick();
    });
    EXPECT_EQ(AFD_DATA.Verb, "registers");
    EXPECT_EQ(AFD_DATA.BglFile, "C:\\FS\\a.bgl");
    EXPECT_EQ(AFD_DATA.OrgFile, "C:\\FS\\a.org");
    EXPECT_EQ(AFD_DATA.BakFile, "C:\\FS\\a.bak");
    EXPECT_EQ(AFD_DATA.Select, kAll);
    EXPECT_TRUE(backend.Faults().empty());
}

} // namespace
