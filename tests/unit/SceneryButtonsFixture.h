#pragma once
// The scenery buttons as a headless test drives them: the boxes an English user sees, and a
// fixture with a simulator folder and a package folder in a temp folder, for either edition.
#include "env/Language.h"
#include "framework/headless/HeadlessBackend.h"
#include "scenery/Scenery.h"
#include "tests/support/SavedText.h"
#include "tests/unit/SceneryTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace scenery_boxes {

using Box = fw::HeadlessBackend::Box;
using fw::MsgKind;

inline const Box kRegisterQuestion{MsgKind::Question, "May I register the scenery library?", "Question"};
inline const Box kRegisterDone{MsgKind::Information, "Registering the scerery library was completed.", "Completed"};
inline const Box kDeleteQuestion{MsgKind::Question, "May I delete the scenery from your scenery library?", "Question"};
inline const Box kDeleteDone{MsgKind::Information, "Deletion from the scenery library was completed.", "Completed"};
inline const Box kConfigMissing{MsgKind::Error, "There are no \"scenery.cfg\".\nThe process will be stopped.", "Error"};
inline const Box kNothingToRegister{MsgKind::Warning, "There are no scerery to register the scenery library.",
                                    "Warning"};
inline const Box kKeepAfcad2{
    MsgKind::Question,
    "Do you save the scenery area \"Vellmora - AFCAD2\"?\n(If you keep using other \"Ambrello\" "
    "series,you have to choose \"Yes\".)",
    "Question"};

inline Box ReadOnlyQuestion(const std::string& path) {
    return {MsgKind::Question, "This is read only file.May I update?\n" + path, "Question"};
}
inline Box UpdateFailed(const std::string& line) {
    return {MsgKind::Error,
            "An error occurred while updating \"scenery.cfg\".\n" + line + "\nThe process will be stopped.", "Error"};
}

// An area section as AddScenery appends it.
inline std::string AreaSection(int number, const std::string& title, const std::string& local, int layer) {
    char name[32];
    std::snprintf(name, sizeof name, "Area.%03d", number);
    return std::string("[") + name + "]\r\nTitle=" + title + "\r\nLocal=" + local +
           "\r\nActive=TRUE\r\nLayer=" + std::to_string(layer) + "\r\nRequired=FALSE\r\nRemote=\r\n\r\n";
}

class SceneryButtonsFixture : public ::testing::TestWithParam<const SceneryEdition*> {
protected:
    void SetUp() override {
        Flag_Japanese = false;
        box = dir.Path("FS9");
        addon = dir.Path(addonName);
        config = box + "\\scenery.cfg";
        backup = box + "\\scenery.QZ_BAK";
        newConfig = box + "\\NewScenery.CFG";
    }

    const SceneryEdition& Edition() const { return *GetParam(); }
    bool Is2004() const { return Edition().SaveNewScenery; }
    std::span<const AREA_DEF> Rows() const { return Edition().AreaCatalogue; }
    void GiveScenery(const AREA_DEF& row) {
        scenery_test::WriteBytes(addon + "\\" + row.Folder + "\\Scenery\\AREA.BGL", "bgl");
    }
    void GiveAllScenery() {
        for (const AREA_DEF& row : Rows())
            GiveScenery(row);
    }
    std::string Local(const AREA_DEF& row) const { return "..\\" + addonName + "\\" + row.Folder; }
    std::string NewSection(int number, const AREA_DEF& row, int layer) const {
        return AreaSection(number, row.Title, Local(row), layer);
    }
    // The package's areas appended after area `last` and layer `layer`, from row `from` on.
    std::string NewSections(int last, int layer, std::size_t from = 0) const {
        std::string sections;
        for (std::size_t i = from; i < Rows().size(); ++i)
            sections +=
                NewSection(last + static_cast<int>(i - from) + 1, Rows()[i], layer + static_cast<int>(i - from) + 1);
        return sections;
    }
    // Clicks a button; `answers` go to the questions in the order they come. `text` stands in
    // for the simulator folder box when given.
    void Register(std::initializer_list<fw::MsgResult> answers = {fw::MsgResult::Yes}, const std::string& text = {}) {
        for (fw::MsgResult answer : answers)
            backend.AnswerNextBox(answer);
        SceneryAddButton(Edition(), text.empty() ? box : text, addon, backend);
    }
    void Delete(std::initializer_list<fw::MsgResult> answers = {fw::MsgResult::Yes}) {
        for (fw::MsgResult answer : answers)
            backend.AnswerNextBox(answer);
        SceneryDelButton(Edition(), box, addon, backend);
    }
    void ExpectBoxes(const std::vector<Box>& expected) {
        EXPECT_TRUE(backend.Faults().empty()) << backend.Faults().front();
        ASSERT_EQ(backend.Boxes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(backend.Boxes()[i].kind, expected[i].kind) << i;
            EXPECT_EQ(backend.Boxes()[i].text, expected[i].text) << i;
            EXPECT_EQ(backend.Boxes()[i].caption, expected[i].caption) << i;
        }
        backend.ClearBoxes();
    }
    // FS2004: a successful run leaves a copy of the result.
    void ExpectCopyAfterSuccess() {
        if (Is2004())
            EXPECT_TRUE(saved_text::SameBytes(scenery_test::ReadBytes(newConfig), scenery_test::ReadBytes(config)));
        else
            EXPECT_FALSE(scenery_test::Exists(newConfig));
    }

    scenery_test::TempDir dir;
    fw::HeadlessBackend backend;
    std::string addonName = "Pkg"; // the package folder's name below the temp folder
    std::string box, addon, config, backup, newConfig;
};

} // namespace scenery_boxes
